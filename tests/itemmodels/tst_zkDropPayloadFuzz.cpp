#include "zkDropPayload.h"
#include "zkMaterialScene.h"
#include "zkTestTree.h"

#include <QZKIntVector.h>
#include <QZKSpectrum.h>
#include <zkGroupMaterialItem.h>
#include <zkItemIdPayload.h>
#include <zkLightLinkId.h>
#include <zkMaterialId.h>
#include <zkMaterialIdPayload.h>
#include <zkMaterialItemFactory.h>
#include <zkMaterialPreviewItemFactory.h>
#include <zkMaterialPreviewModel.h>
#include <zkMaterialPreviewRootItem.h>
#include <zkMaterialTagCache.h>
#include <zkMaterialTagId.h>
#include <zkMaterialTagItemFactory.h>
#include <zkMaterialTagModel.h>
#include <zkMaterialTagRootItem.h>
#include <zkMaterialTreeModel.h>
#include <zkModelTester.h>
#include <zkVariantSetTreeModel.h>
#include <zkVariantSetsService.h>
#include <zkdLightLinkSetNode.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>
#include <zkdVariantSetGroup.h>

#include <zkFuzzInput.h>
#include <zkTestSupport.h>

#include <QImage>
#include <QMimeData>
#include <QTest>

#include <memory>

// A registered type that has no stream operators.
struct zkUnstreamable
{
};
Q_DECLARE_METATYPE(zkUnstreamable)

namespace {

const QString treeItemType = QStringLiteral("application/zelk-material-item");
const QString tagItemType = QStringLiteral("application/zelk-materialtag-item");
const QString previewItemType = QStringLiteral("application/zelk-material");
const QString variantSetItemType = QStringLiteral("application/zelk-variant-set-item");

zkVariantSetsService *variantSets()
{
    return zkKernelServiceFactory::the().getService<zkVariantSetsService>();
}

void dumpNode(const zkdNode &node, QStringList &parts)
{
    parts << QString::number(node.getObjectId()) + QLatin1Char('[');
    for (const zkdNode &child : node.getChildren())
        dumpNode(child, parts);
    parts << QStringLiteral("]");
}

// What a drop may change in the kernel: material tags, the material tree, the grouping of the
// variant sets, the objects and the undo steps.
QString kernelState()
{
    QStringList parts;
    for (const zkdMaterial &material : service()->getSceneMaterials())
        parts << material.getName() + QLatin1Char(':') + material.getTags().join(QLatin1Char(','));
    dumpNode(service()->getMaterialTreeRoot(), parts);
    for (const zkdVariantSet &set : variantSets()->getUngroupedVariantSets())
        parts << set.getName();
    for (const zkdVariantSetGroup &group : variantSets()->getVariantSetGroups()) {
        parts << group.getName() + QLatin1Char('[');
        for (const zkdVariantSetBase &child : group.getChildren())
            parts << child.getName();
        parts << QStringLiteral("]");
    }
    parts << QString::number(stack()->count()) << QString::number(zkdObjectManager::objectCount());
    return parts.join(QLatin1Char(' '));
}

void collectIndexes(const QAbstractItemModel &model, const QModelIndex &parent, QModelIndexList &indexes)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        indexes.append(index);
        collectIndexes(model, index, indexes);
    }
}

QModelIndexList allIndexes(const QAbstractItemModel &model)
{
    QModelIndexList indexes;
    collectIndexes(model, QModelIndex(), indexes);
    return indexes;
}

std::unique_ptr<QMimeData> mimeOf(const QString &format, const QByteArray &payload)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(format, payload);
    return data;
}

} // namespace

// The drop code of every item model, fed with damaged and forged payloads: no crash, no huge
// allocation, and a refused payload leaves the rows and the kernel as they were.
class tst_zkDropPayloadFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void refusedIds_data();
    void refusedIds();
    void drops_data();
    void drops();
    void idStreams_data();
    void idStreams();

private:
    QAbstractItemModel *model(const QString &name);
    // Every payload of format that the models write for one row or two.
    QVector<QByteArray> payloads(const QString &format);
    // Leaves the scene as initTestCase() made it after an accepted drop.
    void restore();

    zkdNode m_group;
    zkdMaterial m_leather;
    QVector<QByteArray> m_foreignIds;
    std::unique_ptr<zkTestFixture> m_testTree;
    zkMaterialTreeModel m_treeModel;
    zkMaterialTagCache m_tagCache;
    zkMaterialTagModel m_tagModel;
    zkMaterialPreviewModel m_previewModel;
    std::unique_ptr<zkVariantSetTreeModel> m_variantSetModel;
    std::vector<std::unique_ptr<zkModelTester>> m_testers;
};

void tst_zkDropPayloadFuzz::initTestCase()
{
    qRegisterMetaType<zkUnstreamable>("zkUnstreamable");
    m_group = service()->addMaterialGroup(QStringLiteral("Interior"));
    m_leather = zkdObjectManager::create<zkdPlasticMaterial>();
    m_leather.setName(QStringLiteral("Leather"));
    service()->addMaterial(m_leather, m_group);
    const zkdMaterial chrome = zkdObjectManager::create<zkdPlasticMaterial>();
    chrome.setName(QStringLiteral("Chrome"));
    chrome.setTags({QStringLiteral("Metal")});
    service()->addMaterial(chrome, m_group);
    const zkdMaterial glass = zkdObjectManager::create<zkdPlasticMaterial>();
    glass.setName(QStringLiteral("Glass"));
    glass.setTags({QStringLiteral("Clear"), QStringLiteral("Metal")});
    service()->addMaterial(glass);

    const zkdVariantSetGroup g1 = variantSets()->createVariantSetGroup(QStringLiteral("G1"));
    variantSets()->createVariantSet(QStringLiteral("A"));
    variantSets()->createVariantSet(QStringLiteral("B"), g1);
    variantSets()->createVariantSet(QStringLiteral("C"), g1);
    variantSets()->createVariantSetGroup(QStringLiteral("Empty"));

    m_testTree = std::make_unique<zkTestFixture>(QStringLiteral("1[2 3] 4[5 6[7]] 8"));
    m_treeModel.setRootItem(zkMaterialItemFactory::createItemForRoot());
    m_tagModel.setRootItem(zkMaterialTagItemFactory::createItemForRoot(0, m_tagCache));
    m_tagModel.refresh();
    m_previewModel.setRootItem(zkMaterialPreviewItemFactory::createItemForRoot(m_group));
    m_variantSetModel = std::make_unique<zkVariantSetTreeModel>();
    for (QAbstractItemModel *model : std::initializer_list<QAbstractItemModel *>{
                 &m_treeModel, &m_tagModel, &m_previewModel, m_variantSetModel.get()}) {
        m_testers.push_back(std::make_unique<zkModelTester>(model));
    }

    // Ids of every kind the models use, and of kinds they never drag, whose decoders the
    // mutations reach through them.
    const zkdLightLinkSetNode linkSet = zkdObjectManager::create<zkdLightLinkSetNode>();
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    m_foreignIds = {payloadOf({QVariant::fromValue(quint64(1)), QStringLiteral("zkVariantSetRootModelItem")}),
                    payloadOf({QVariant::fromValue(zkMaterialId(zkMaterialId(zkMaterialId(m_group), 2), 0))}),
                    payloadOf({QVariant::fromValue(zkLightLinkId::createLightId(linkSet, m_group))}),
                    payloadOf({QVariant::fromValue(zkMaterialTagId(QStringLiteral("Metal"), m_leather)),
                               QVariant::fromValue(zkMaterialTagId(0))}),
                    payloadOf({QVariant::fromValue(QZKSpectrum(QVector3D(1, 0.5f, 0))),
                               QVariant::fromValue(QZKIntVector3D(1, 2, 3))}),
                    payloadOf({QVariant::fromValue(QList<zkdMaterial>{m_leather}), QVariantList{1, 2}}),
                    payloadOf({QVariant::fromValue(image), QVariant()})};
    stack()->clear();
}

void tst_zkDropPayloadFuzz::cleanupTestCase()
{
    m_testers.clear();
    m_variantSetModel.reset();
    QList<zkdVariantSetBase> sets;
    for (const zkdVariantSet &set : variantSets()->getUngroupedVariantSets())
        sets.append(set);
    for (const zkdVariantSetGroup &group : variantSets()->getVariantSetGroups())
        sets.append(group);
    variantSets()->removeVariantSets(sets);
    service()->removeNodes(service()->getMaterialTreeRoot().getChildren());
    stack()->clear();
}

QAbstractItemModel *tst_zkDropPayloadFuzz::model(const QString &name)
{
    if (name == QLatin1String("test"))
        return &m_testTree->model;
    if (name == QLatin1String("tree"))
        return &m_treeModel;
    if (name == QLatin1String("tags"))
        return &m_tagModel;
    if (name == QLatin1String("previews"))
        return &m_previewModel;
    return m_variantSetModel.get();
}

QVector<QByteArray> tst_zkDropPayloadFuzz::payloads(const QString &format)
{
    QVector<QByteArray> result;
    for (const char *name : {"test", "tree", "tags", "previews", "variants"}) {
        const QAbstractItemModel *source = model(QLatin1String(name));
        const QModelIndexList indexes = allIndexes(*source);
        for (int i = 0; i < indexes.size(); ++i) {
            for (const QModelIndexList &dragged : {QModelIndexList{indexes.at(i)}, indexes.mid(i, 2)}) {
                const std::unique_ptr<QMimeData> data(source->mimeData(dragged));
                if (data && data->hasFormat(format) && !data->data(format).isEmpty())
                    result.append(data->data(format));
            }
        }
    }
    return result;
}

void tst_zkDropPayloadFuzz::restore()
{
    while (stack()->canUndo())
        stack()->undo();
    stack()->clear();
    m_testTree->model.reload();
    m_treeModel.reload();
}

void tst_zkDropPayloadFuzz::refusedIds_data()
{
    QTest::addColumn<QByteArray>("payload");

    const auto header = [](quint32 type, const QByteArray &name = QByteArray()) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << type << qint8(0);
        if (!name.isEmpty())
            stream << name.constData();
        return bytes;
    };
    const auto count = [](quint32 value) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << value;
        return bytes;
    };
    // Each would make Qt's own QVariant reading reserve gigabytes or throw std::bad_alloc.
    QTest::newRow("list of 2^31 values") << header(QMetaType::QVariantList) + count(0x7fffffff);
    QTest::newRow("string list") << header(QMetaType::QStringList) + count(0x3fffffff);
    QTest::newRow("list of materials")
            << header(QMetaType::User, "QList<zkdMaterial>") + count(0x7fffffff) + count(1).repeated(2);
    QTest::newRow("forged sub-material path")
            << header(QMetaType::User, "zkMaterialId") + QByteArray(8, '\1') + count(0x7fffffff) + count(0);
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QTest::newRow("image") << payloadOf({QVariant::fromValue(image)});
    QTest::newRow("unknown type name") << header(QMetaType::User, "zkNoSuchType");
    QTest::newRow("type without stream operators") << header(QMetaType::User, "zkUnstreamable");
    QTest::newRow("type id past the registry") << header(0x7ffffff0);
    // One whole id before a cut one: the drop must not move the first and then give up.
    QTest::newRow("whole id, cut id") << payloadOf({QVariant::fromValue(quint64(2)), QVariant::fromValue(quint64(3))})
                                                 .chopped(1);
}

void tst_zkDropPayloadFuzz::refusedIds()
{
    QFETCH(QByteArray, payload);
    QVariantList ids{1};
    QVERIFY(!zkItemIdPayload::decode(payload, &ids));
    QCOMPARE(ids, QVariantList{1});
    zkTestModel &model = m_testTree->model;
    const QString before = zkDumpModel(model);
    const std::unique_ptr<QMimeData> data = mimeOf(zkTestModel::mimeType(), payload);
    const QModelIndex target = m_testTree->indexOf(8);
    QVERIFY(!model.canDropMimeData(data.get(), Qt::MoveAction, -1, 0, target));
    QVERIFY(!model.dropMimeData(data.get(), Qt::MoveAction, -1, 0, target));
    QCOMPARE(zkDumpModel(model), before);
}

void tst_zkDropPayloadFuzz::drops_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("accepts"); // whether some payloads of format drop

    QTest::newRow("test model") << "test" << zkTestModel::mimeType() << true;
    QTest::newRow("material tree") << "tree" << treeItemType << true;
    // Tag rows are dragged to other modules only.
    QTest::newRow("material tags") << "tags" << tagItemType << false;
    QTest::newRow("material tree onto tags") << "tags" << treeItemType << true;
    QTest::newRow("material id onto tags") << "tags" << zkMaterialIdPayload::mimeType() << true;
    QTest::newRow("material previews") << "previews" << previewItemType << true;
    QTest::newRow("variant sets") << "variants" << variantSetItemType << true;
}

void tst_zkDropPayloadFuzz::drops()
{
    QFETCH(QString, model);
    QFETCH(QString, format);
    QFETCH(bool, accepts);
    QAbstractItemModel *target = this->model(model);
    QVector<QPersistentModelIndex> parents{QModelIndex()};
    for (const QModelIndex &index : allIndexes(*target))
        parents.append(index);
    const QVector<QByteArray> valid = payloads(format);
    QVERIFY(!valid.isEmpty());

    // Comparing the whole scene after every input would take most of the time, so it is
    // compared whenever a drop was accepted or a notice of a change came, and now and then.
    int notices = 0;
    const QObject context;
    const auto notice = [&notices] { ++notices; };
    connect(target, &QAbstractItemModel::rowsInserted, &context, notice);
    connect(target, &QAbstractItemModel::rowsRemoved, &context, notice);
    connect(target, &QAbstractItemModel::rowsMoved, &context, notice);
    connect(target, &QAbstractItemModel::dataChanged, &context, notice);
    connect(target, &QAbstractItemModel::layoutChanged, &context, notice);
    connect(target, &QAbstractItemModel::modelReset, &context, notice);
    connect(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged, &context, notice);
    connect(zkdObjectManager::instance(), &zkdObjectManager::objectDestroyed, &context, notice);
    connect(stack(), &zkUndoStack::indexChanged, &context, notice);

    const quint32 seed = zkFuzzInput::seed();
    zkFuzzInput input(seed, valid + m_foreignIds);
    // Refused material ids are reported as they are decoded; the loop needs no record of them.
    const zkCapturedLog log;
    QString before = zkDumpModel(*target) + kernelState();
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        const QByteArray bytes = input.next();
        const std::unique_ptr<QMimeData> data = mimeOf(format, bytes);
        const QModelIndex parent = parents.at(int(input.bounded(parents.size())));
        const Qt::DropAction action = input.bounded(2) ? Qt::MoveAction : Qt::CopyAction;
        const int row = int(input.bounded(4)) - 1;
        notices = 0;
        target->canDropMimeData(data.get(), action, row, 0, parent);
        const bool dropped = target->dropMimeData(data.get(), action, row, 0, parent);
        accepted += dropped;
        if (!dropped && notices == 0 && i % 64 != 0)
            continue;
        const QString after = zkDumpModel(*target) + kernelState();
        if (!dropped && (notices > 0 || after != before))
            QFAIL(qPrintable(QStringLiteral("refused, yet the scene changed from %1 to %2; ").arg(before, after)
                             + input.describe(i, bytes)));
        if (after != before) {
            restore();
            before = zkDumpModel(*target) + kernelState();
        }
    }
    QCOMPARE(zkDumpModel(*target) + kernelState(), before);
    QVERIFY2((accepted > 0) == accepts, qPrintable(QStringLiteral("seed %1: %2 accepted").arg(seed).arg(accepted)));
}

void tst_zkDropPayloadFuzz::idStreams_data()
{
    QTest::addColumn<bool>("lightLink");

    QTest::newRow("zkLightLinkId") << true;
    QTest::newRow("zkMaterialTagId") << false;
}

// The stream operators of the ids that only the item models know.
void tst_zkDropPayloadFuzz::idStreams()
{
    QFETCH(bool, lightLink);
    const auto bytesOf = [](const auto &id) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << id;
        return bytes;
    };
    const quint32 seed = zkFuzzInput::seed();
    QString failure;
    int read = 0;
    if (lightLink) {
        const zkdLightLinkSetNode set = zkdObjectManager::create<zkdLightLinkSetNode>();
        zkFuzzInput input(seed, {bytesOf(zkLightLinkId()), bytesOf(zkLightLinkId::createObjectListId(set)),
                                 bytesOf(zkLightLinkId::createLightId(set, m_group))});
        read = input.readValues<zkLightLinkId>(
                100000,
                [](const zkLightLinkId &id) {
                    return id.getType() >= zkLightLinkId::Invalid && id.getType() <= zkLightLinkId::Root;
                },
                &failure);
        zkdObjectManager::destroy(set);
    } else {
        zkFuzzInput input(seed, {bytesOf(zkMaterialTagId()), bytesOf(zkMaterialTagId(3)),
                                 bytesOf(zkMaterialTagId(QStringLiteral("Metal"))),
                                 bytesOf(zkMaterialTagId(QStringLiteral("Metal"), m_leather))});
        read = input.readValues<zkMaterialTagId>(
                100000,
                [](const zkMaterialTagId &id) {
                    const QByteArray &bytes = id.toByteArray();
                    return bytes.isEmpty() || (bytes.at(0) >= 1 && bytes.at(0) <= 3);
                },
                &failure);
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(read > 0, qPrintable(QStringLiteral("seed %1").arg(seed)));
}

QTEST_MAIN(tst_zkDropPayloadFuzz)

#include "tst_zkDropPayloadFuzz.moc"
