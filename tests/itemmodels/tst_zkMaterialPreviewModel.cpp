#include "zkDropPayload.h"
#include "zkMaterialScene.h"

#include <zkItemDataRole.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialPreviewItemFactory.h>
#include <zkMaterialPreviewModel.h>
#include <zkMaterialPreviewRootItem.h>
#include <zkMaterialService.h>
#include <zkModelTester.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdImage.h>
#include <zkdMaterialNode.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>

#include <QIcon>
#include <QImage>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QVector3D>

#include <memory>

namespace {

const QString mimeType = QStringLiteral("application/zelk-material");

zkdMaterial addMaterial(const QString &name, const zkdNode &group)
{
    const zkdMaterial material = zkdObjectManager::create<zkdPlasticMaterial>();
    material.setName(name);
    service()->addMaterial(material, group);
    return material;
}

QVariant idOf(const zkdMaterial &material)
{
    return QVariant::fromValue<quint64>(material.getObjectId());
}

std::unique_ptr<zkMaterialPreviewModel> modelFor(const zkdNode &node)
{
    auto model = std::make_unique<zkMaterialPreviewModel>();
    model->setRootItem(zkMaterialPreviewItemFactory::createItemForRoot(node));
    return model;
}

QStringList names(const QAbstractItemModel &model)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result.append(model.index(row, 0).data().toString());
    return result;
}

// Empty when the model shows, row by row, the node's materials with their ids and current previews.
QString compareWithKernel(zkMaterialPreviewModel &model, const zkdNode &node)
{
    const QList<zkdMaterial> materials = service()->getNodeMaterials(node);
    if (model.rowCount() != materials.size())
        return QStringLiteral("%1 rows for %2 materials").arg(model.rowCount()).arg(materials.size());
    for (int row = 0; row < materials.size(); ++row) {
        const zkdMaterial &material = materials.at(row);
        const QModelIndex index = model.index(row, 0);
        if (index.data().toString() != material.getName() || model.indexFromId(idOf(material)) != index)
            return QStringLiteral("row %1 shows %2, the kernel %3")
                .arg(row)
                .arg(index.data().toString(), material.getName());
        if (index.data(zkItemDataRole::BaseImage).value<QImage>() != material.getPreviewImage().toQImage())
            return QStringLiteral("row %1 shows a stale preview").arg(row);
    }
    return QString();
}

} // namespace

class tst_zkMaterialPreviewModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsAndRoles();
    void renameIsOneUndoStep();
    void sharedMaterialHasOneId();
    void followsKernel();
    void drops_data();
    void drops();
    void randomMutations();

private:
    zkdNode m_group;
    QList<zkdMaterial> m_materials;
    std::unique_ptr<zkMaterialPreviewModel> m_model;
    std::unique_ptr<zkModelTester> m_tester;
};

void tst_zkMaterialPreviewModel::init()
{
    service()->removeNodes(service()->getMaterialTreeRoot().getChildren());
    m_group = service()->addMaterialGroup(QStringLiteral("Group"));
    m_materials.clear();
    for (const char *name : {"Leather", "Chrome", "Glass"})
        m_materials.append(addMaterial(QString::fromLatin1(name), m_group));
    stack()->clear();
    m_model = modelFor(m_group);
    m_tester = std::make_unique<zkModelTester>(m_model.get());
}

void tst_zkMaterialPreviewModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
    service()->removeNodes(service()->getMaterialTreeRoot().getChildren());
    stack()->clear();
}

void tst_zkMaterialPreviewModel::rowsAndRoles()
{
    QCOMPARE(names(*m_model), QStringList({"Leather", "Chrome", "Glass"}));
    QCOMPARE(compareWithKernel(*m_model, m_group), QString());
    const QModelIndex first = m_model->index(0, 0);
    const QImage preview = first.data(zkItemDataRole::BaseImage).value<QImage>();
    QCOMPARE(preview.size(), QSize(zkMaterialService::previewSize, zkMaterialService::previewSize));
    QVERIFY(!first.data(zkItemDataRole::OverlayIcon).value<QIcon>().isNull());
    QCOMPARE(m_model->flags(first),
             Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled
                 | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    QCOMPARE(m_model->mimeTypes(), QStringList(mimeType));
    QCOMPARE(m_model->getMaterial(first).getName(), QStringLiteral("Leather"));
    QStandardItemModel other(1, 1);
    QVERIFY(m_model->getMaterial(other.index(0, 0)).isNull());
}

void tst_zkMaterialPreviewModel::renameIsOneUndoStep()
{
    const QModelIndex chrome = m_model->index(1, 0);
    QVERIFY(m_model->setData(chrome, QStringLiteral("Satin Chrome")));
    QCOMPARE(m_materials.at(1).getName(), QStringLiteral("Satin Chrome"));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(m_materials.at(1).getName(), QStringLiteral("Chrome"));
    QCOMPARE(chrome.data().toString(), QStringLiteral("Chrome"));
}

void tst_zkMaterialPreviewModel::sharedMaterialHasOneId()
{
    const zkdNode other = service()->addMaterialGroup(QStringLiteral("Other"));
    service()->addMaterial(m_materials.at(2), other);
    const std::unique_ptr<zkMaterialPreviewModel> otherModel = modelFor(other);
    const zkModelTester tester(otherModel.get());
    QCOMPARE(names(*otherModel), QStringList("Glass"));
    const QVariant id = idOf(m_materials.at(2));
    QCOMPARE(otherModel->indexFromId(id), otherModel->index(0, 0));
    QCOMPARE(m_model->indexFromId(id), m_model->index(2, 0));

    // Both drag payloads carry the same object id.
    const std::unique_ptr<QMimeData> data(otherModel->mimeData({otherModel->index(0, 0)}));
    QCOMPARE(data->data(mimeType), payloadOf({id}));
    const std::unique_ptr<QMimeData> ours(m_model->mimeData({m_model->index(2, 0)}));
    QCOMPARE(ours->data(mimeType), data->data(mimeType));
}

void tst_zkMaterialPreviewModel::followsKernel()
{
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    const QPersistentModelIndex glass = m_model->index(2, 0);
    const QImage before = glass.data(zkItemDataRole::BaseImage).value<QImage>();

    // An edit of a material's colour renders its preview anew.
    m_materials.at(2).setProperty("diffuseColor", QVector3D(0.9f, 0.1f, 0.1f));
    QVERIFY(glass.data(zkItemDataRole::BaseImage).value<QImage>() != before);

    m_materials.at(0).setName(QStringLiteral("Suede"));
    {
        const zkScopedUndo undo(true);
        addMaterial(QStringLiteral("Rubber"), m_group);
    }
    {
        const zkScopedUndo undo(true);
        service()->removeMaterial(m_materials.at(1));
    }
    QCOMPARE(names(*m_model), QStringList({"Suede", "Glass", "Rubber"}));
    QCOMPARE(compareWithKernel(*m_model, m_group), QString());
    QCOMPARE(glass.row(), 1);

    stack()->undo();
    stack()->undo();
    QCOMPARE(names(*m_model), QStringList({"Suede", "Chrome", "Glass"}));
    QCOMPARE(resets.count(), 0);
}

void tst_zkMaterialPreviewModel::drops_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("accepted");

    // Whatever the payload, a drop changes nothing in the scene. An empty payload stands for
    // the model's own drag of a row.
    QTest::newRow("own rows") << mimeType << QByteArray() << true;
    QTest::newRow("foreign type") << QStringLiteral("application/zelk-material-item") << QByteArray() << false;
    QTest::newRow("truncated") << mimeType << QByteArray("\x00\x00", 2) << false;
    QTest::newRow("unknown id") << mimeType << payloadOf({QVariant::fromValue<quint64>(~0ull)}) << false;
}

void tst_zkMaterialPreviewModel::drops()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, payload);
    QFETCH(bool, accepted);
    if (payload.isEmpty())
        payload = payloadOf({idOf(m_materials.at(2))});
    QMimeData data;
    data.setData(format, payload);

    const QModelIndex target = m_model->index(0, 0);
    QCOMPARE(m_model->canDropMimeData(&data, Qt::MoveAction, -1, 0, target), accepted);
    m_model->dropMimeData(&data, Qt::MoveAction, -1, 0, target);
    // Drops move rows in the model only.
    QCOMPARE(stack()->count(), 0);
    QCOMPARE(service()->getNodeMaterials(m_group), m_materials);
    m_model->reload();
    QCOMPARE(compareWithKernel(*m_model, m_group), QString());
}

// Random kernel changes, drops and reloads; after each, the model must show the group's
// materials. ZK_MATERIAL_PREVIEW_SEED replays a run.
void tst_zkMaterialPreviewModel::randomMutations()
{
    const QByteArray seedText = qgetenv("ZK_MATERIAL_PREVIEW_SEED");
    const quint32 seed = seedText.isEmpty() ? QRandomGenerator::global()->generate() : seedText.toUInt();
    QRandomGenerator random(seed);
    const auto pick = [&random](int count) { return int(random.bounded(count)); };
    const zkdNode elsewhere = service()->addMaterialGroup(QStringLiteral("Elsewhere"));
    const zkdNode inner = service()->addMaterialGroup(QStringLiteral("Inner"), m_group);
    const zkdNode groups[] = {m_group, inner, elsewhere};
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);

    constexpr int steps = 10000;
    for (int step = 0; step < steps; ++step) {
        QString what;
        const QList<zkdMaterial> scene = service()->getSceneMaterials();
        const zkScopedUndo undo(true);
        switch (pick(9)) {
        case 0:
            what = QStringLiteral("create");
            if (scene.size() < 16)
                addMaterial(QStringLiteral("C%1").arg(step), groups[pick(3)]);
            break;
        case 1:
            if (scene.isEmpty())
                break;
            what = QStringLiteral("delete");
            service()->removeMaterial(scene.at(pick(scene.size())));
            break;
        case 2:
            if (scene.isEmpty())
                break;
            what = QStringLiteral("rename");
            scene.at(pick(scene.size())).setName(QStringLiteral("R%1").arg(step));
            break;
        case 3:
            if (scene.isEmpty())
                break;
            what = QStringLiteral("recolour");
            scene.at(pick(scene.size())).setProperty("diffuseColor", QVector3D(random.generateDouble(), 0.5f, 0.5f));
            break;
        case 4: { // regroup a material node
            const zkdNode from = groups[pick(3)];
            const QList<zkdNode> nodes = from.getChildren();
            const zkdNode node = nodes.isEmpty() ? zkdNode() : nodes.at(pick(nodes.size()));
            if (node.isNull() || node == inner)
                break;
            what = QStringLiteral("move");
            service()->moveNodes(groups[pick(3)], pick(4), {node});
            break;
        }
        case 5:
        case 6:
            what = QStringLiteral("undo");
            stack()->undo();
            break;
        case 7:
            what = QStringLiteral("redo");
            stack()->redo();
            break;
        case 8: { // a drop of own rows, then the reload that shows the kernel's order again
            const int rows = m_model->rowCount();
            if (rows == 0)
                break;
            what = QStringLiteral("drop");
            const std::unique_ptr<QMimeData> data(m_model->mimeData({m_model->index(pick(rows), 0)}));
            m_model->dropMimeData(data.get(), Qt::MoveAction, pick(rows + 1), 0, QModelIndex());
            m_model->reload();
            break;
        }
        }
        const QString difference = compareWithKernel(*m_model, m_group);
        if (!difference.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3): %4").arg(seed).arg(step).arg(what, difference)));
    }
    QCOMPARE(resets.count(), 0);
}

QTEST_MAIN(tst_zkMaterialPreviewModel)

#include "tst_zkMaterialPreviewModel.moc"
