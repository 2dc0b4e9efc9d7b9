#include "zkMaterialScene.h"

#include <zkIconCache.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialId.h>
#include <zkMaterialService.h>
#include <zkMaterialTagCache.h>
#include <zkMaterialTagId.h>
#include <zkMaterialTagItem.h>
#include <zkMaterialTagItemFactory.h>
#include <zkMaterialTagModel.h>
#include <zkMaterialTagRootItem.h>
#include <zkModelTester.h>
#include <zkScopedUndo.h>
#include <zkTaggedMaterialItem.h>
#include <zkUndoStack.h>
#include <zkVariantLess.h>
#include <zkdMaterialNode.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>

#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

zkdMaterial addMaterial(const QString &name, const QStringList &tags)
{
    const zkdMaterial material = zkdObjectManager::create<zkdPlasticMaterial>();
    material.setName(name);
    material.setTags(tags);
    service()->addMaterial(material);
    return material;
}

zkdMaterialNode nodeOf(const zkdMaterial &material)
{
    const QList<zkdNode> nodes = service()->getMaterialTreeRoot().getChildren();
    for (const zkdNode &node : nodes) {
        const zkdMaterialNode materialNode = zkd_cast<zkdMaterialNode>(node);
        if (materialNode.getMaterial() == material)
            return materialNode;
    }
    return zkdMaterialNode();
}

QVariant tagId(const QString &tag)
{
    return QVariant::fromValue(zkMaterialTagId(tag));
}

QVariant tagId(const QString &tag, const zkdMaterial &material)
{
    return QVariant::fromValue(zkMaterialTagId(tag, material));
}

QByteArray littleEndian(quint64 value)
{
    QByteArray bytes;
    for (int n = 0; n < 8; ++n)
        bytes.append(char(value >> (8 * n)));
    return bytes;
}

QByteArray materialItemPayload(const QList<zkdMaterial> &materials)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    for (const zkdMaterial &material : materials)
        stream << QVariant::fromValue(zkMaterialId(nodeOf(material)));
    return payload;
}

QByteArray materialIdPayload(const zkdMaterial &material)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << qint32(material.getObjectId()) << qint32(zkdObjectManager::getExternalTypeId(material));
    return payload;
}

std::unique_ptr<QMimeData> mimeData(const QString &format, const QByteArray &payload)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(format, payload);
    return data;
}

// The tree as text, every row populated on the way: tags with their materials in brackets.
QString dumpModel(const QAbstractItemModel &model)
{
    QStringList tags;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex tag = model.index(row, 0);
        QStringList names;
        for (int child = 0; child < model.rowCount(tag); ++child)
            names.append(model.index(child, 0, tag).data().toString());
        tags.append(tag.data().toString() + QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']'));
    }
    return tags.join(QLatin1Char(' '));
}

// What the model must show, read from the kernel: tags in order, and under each the materials
// that carry it, the one added last first.
QMap<QString, QList<zkdMaterial>> oracle()
{
    QMap<QString, QList<zkdMaterial>> tags;
    const QList<zkdMaterial> materials = service()->getSceneMaterials();
    for (const zkdMaterial &material : materials) {
        const QStringList materialTags = material.getTags();
        for (const QString &tag : materialTags) {
            QList<zkdMaterial> &tagged = tags[tag];
            if (!tagged.contains(material))
                tagged.prepend(material);
        }
    }
    return tags;
}

QString dumpOracle(const QMap<QString, QList<zkdMaterial>> &tags)
{
    QStringList result;
    for (auto it = tags.cbegin(); it != tags.cend(); ++it) {
        QStringList names;
        for (const zkdMaterial &material : it.value())
            names.append(material.getName());
        result.append(it.key() + QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']'));
    }
    return result.join(QLatin1Char(' '));
}

// Empty when every row of the model sits where the oracle puts it, under its own id.
QString compareWithKernel(zkMaterialTagModel &model)
{
    const QString shown = dumpModel(model);
    const QMap<QString, QList<zkdMaterial>> expected = oracle();
    const QString held = dumpOracle(expected);
    if (shown != held)
        return QStringLiteral("model  %1\n kernel %2").arg(shown, held);
    int row = 0;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it, ++row) {
        const QModelIndex tag = model.index(row, 0);
        if (model.indexFromId(tagId(it.key())) != tag)
            return QStringLiteral("tag %1 is not at row %2").arg(it.key()).arg(row);
        for (int child = 0; child < it.value().size(); ++child) {
            if (model.indexFromId(tagId(it.key(), it.value().at(child))) != model.index(child, 0, tag))
                return QStringLiteral("material %1 of tag %2 is not at row %3").arg(it.value().at(child).getName(), it.key()).arg(child);
        }
    }
    return QString();
}

} // namespace

class tst_zkMaterialTagModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void idBytes_data();
    void idBytes();
    void idComparisonAndStreaming();

    void cache();
    void missingService();

    void rows();
    void followsKernel();

    void drops_data();
    void drops();

    void randomMutations();

private:
    std::unique_ptr<zkMaterialTagCache> m_cache;
    std::unique_ptr<zkMaterialTagModel> m_model;
    std::unique_ptr<zkModelTester> m_tester;
};

void tst_zkMaterialTagModel::init()
{
    service()->removeNodes(service()->getMaterialTreeRoot().getChildren());
    stack()->clear();
    m_cache = std::make_unique<zkMaterialTagCache>();
    m_model = std::make_unique<zkMaterialTagModel>();
    m_model->setRootItem(zkMaterialTagItemFactory::createItemForRoot(0, *m_cache));
    m_tester = std::make_unique<zkModelTester>(m_model.get());
}

void tst_zkMaterialTagModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
    m_cache.reset();
    service()->removeNodes(service()->getMaterialTreeRoot().getChildren());
    stack()->clear();
}

void tst_zkMaterialTagModel::idBytes_data()
{
    QTest::addColumn<zkMaterialTagId>("id");
    QTest::addColumn<QByteArray>("bytes");

    const zkdMaterial material = zkdObjectManager::create<zkdPlasticMaterial>();
    QTest::newRow("none") << zkMaterialTagId() << QByteArray();
    QTest::newRow("root") << zkMaterialTagId(7) << QByteArray::fromHex("0107000000");
    QTest::newRow("negative root") << zkMaterialTagId(-2) << QByteArray::fromHex("01feffffff");
    QTest::newRow("tag") << zkMaterialTagId(QStringLiteral("abc")) << QByteArray::fromHex("02616263");
    QTest::newRow("utf-8 tag") << zkMaterialTagId(QStringLiteral("\u00e9")) << QByteArray::fromHex("02c3a9");
    QTest::newRow("tagged material")
        << zkMaterialTagId(QStringLiteral("ab"), material)
        << QByteArray::fromHex("036162") + littleEndian(material.getTypeId()) + littleEndian(material.getObjectId());
}

void tst_zkMaterialTagModel::idBytes()
{
    QFETCH(zkMaterialTagId, id);
    QFETCH(QByteArray, bytes);
    QCOMPARE(id.toByteArray(), bytes);
    QCOMPARE(id.isNull(), bytes.isEmpty());
}

void tst_zkMaterialTagModel::idComparisonAndStreaming()
{
    QCOMPARE(QMetaType::type("zkMaterialTagId"), qMetaTypeId<zkMaterialTagId>());
    const zkdMaterial material = zkdObjectManager::create<zkdPlasticMaterial>();
    const QVector<zkMaterialTagId> ids{zkMaterialTagId(), zkMaterialTagId(1), zkMaterialTagId(2),
                                       zkMaterialTagId(QStringLiteral("a")), zkMaterialTagId(QStringLiteral("ab")),
                                       zkMaterialTagId(QStringLiteral("a"), material)};
    for (const zkMaterialTagId &a : ids) {
        for (const zkMaterialTagId &b : ids) {
            const bool less = qstrcmp(a.toByteArray(), b.toByteArray()) < 0;
            QCOMPARE(a < b, less);
            QCOMPARE(a == b, a.toByteArray() == b.toByteArray());
            // Through the registered comparators, as the model's id index compares them.
            QCOMPARE(zkVariantLess()(QVariant::fromValue(a), QVariant::fromValue(b)), less);
            QCOMPARE(QVariant::fromValue(a) == QVariant::fromValue(b), a == b);
        }

        // The byte array's stream form: a big-endian length (all ones for the null array), the bytes.
        QByteArray streamed;
        QDataStream out(&streamed, QIODevice::WriteOnly);
        out << a;
        const quint32 length = a.isNull() ? 0xffffffffu : quint32(a.toByteArray().size());
        QByteArray header;
        for (int shift = 24; shift >= 0; shift -= 8)
            header.append(char(length >> shift));
        QCOMPARE(streamed, header + a.toByteArray());

        QByteArray payload;
        QDataStream variantOut(&payload, QIODevice::WriteOnly);
        variantOut << QVariant::fromValue(a);
        QDataStream in(payload);
        QVariant read;
        in >> read;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(read.userType(), qMetaTypeId<zkMaterialTagId>());
        QCOMPARE(read.value<zkMaterialTagId>(), a);
    }

    // A truncated stream reads as the null id.
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << zkMaterialTagId(QStringLiteral("abc"));
    payload.chop(1);
    QDataStream in(payload);
    zkMaterialTagId read(5);
    in >> read;
    QVERIFY(in.status() != QDataStream::Ok);
    QVERIFY(read.isNull());
}

void tst_zkMaterialTagModel::cache()
{
    const zkdMaterial red = addMaterial(QStringLiteral("Red"), {QStringLiteral("Paint"), QStringLiteral("Car")});
    const zkdMaterial blue = addMaterial(QStringLiteral("Blue"), {QStringLiteral("Paint"), QStringLiteral("Paint")});
    addMaterial(QStringLiteral("Plain"), {});

    zkMaterialTagCache cache;
    QVERIFY(cache.getTags().isEmpty());
    cache.addSceneMaterials();
    QCOMPARE(cache.getTags(), (QList<QString>{QStringLiteral("Car"), QStringLiteral("Paint")}));
    QCOMPARE(cache.getMaterialsWithTag(QStringLiteral("Paint")), (QList<zkdMaterial>{blue, red}));
    QCOMPARE(cache.getMaterialsWithTag(QStringLiteral("Car")), QList<zkdMaterial>{red});
    QVERIFY(cache.getMaterialsWithTag(QStringLiteral("Glass")).isEmpty());

    // Copies share the relation.
    const zkMaterialTagCache copy = cache;
    cache.addMaterial(red);
    QCOMPARE(copy.getMaterialsWithTag(QStringLiteral("Car")), QList<zkdMaterial>{red});
    cache.clear();
    QVERIFY(copy.getTags().isEmpty());
    cache.addSceneMaterials();
    QCOMPARE(copy.getTags().size(), 2);
}

void tst_zkMaterialTagModel::missingService()
{
    addMaterial(QStringLiteral("Red"), {QStringLiteral("Paint")});
    zkMaterialService *materials = service();
    zkKernelServiceFactory::the().unregisterService("zkMaterialService");
    zkMaterialTagCache cache;
    zkKernelServiceFactory::the().registerService(materials);
    cache.addSceneMaterials();
    QVERIFY(cache.getTags().isEmpty());
}

void tst_zkMaterialTagModel::rows()
{
    const zkdMaterial red = addMaterial(QStringLiteral("Red"), {QStringLiteral("Paint"), QStringLiteral("Car")});
    const zkdMaterial blue = addMaterial(QStringLiteral("Blue"), {QStringLiteral("Paint")});
    m_model->refresh();

    QCOMPARE(dumpModel(*m_model), QStringLiteral("Car[Red] Paint[Blue,Red]"));
    QCOMPARE(compareWithKernel(*m_model), QString());
    const QModelIndex car = m_model->index(0, 0);
    const QModelIndex redInCar = m_model->index(0, 0, car);
    const QModelIndex redInPaint = m_model->index(1, 0, m_model->index(1, 0));
    QCOMPARE(m_model->indexFromId(tagId(QStringLiteral("Car"), red)), redInCar);
    QCOMPARE(m_model->indexFromId(tagId(QStringLiteral("Paint"), red)), redInPaint);
    QCOMPARE(m_model->indexFromId(tagId(QStringLiteral("Paint"), blue)), m_model->index(0, 0, m_model->index(1, 0)));
    QCOMPARE(m_model->getMaterial(redInPaint), red);
    QVERIFY(m_model->getMaterial(car).isNull());
    QCOMPARE(car.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage(),
             zkIconCache::getMaterialTagIcon().pixmap(16).toImage());
    QVERIFY(!redInCar.data(Qt::DecorationRole).value<QIcon>().isNull());

    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    QCOMPARE(m_model->flags(redInCar), shown);
    // Tags take drops of materials; that is the model's, not the items' doing.
    QCOMPARE(m_model->flags(car), shown | Qt::ItemIsDropEnabled);

    // A tag that no material carries has no children. Items populate only inside a model.
    zkMaterialTagItem *glass = zkMaterialTagItemFactory::createItemForTag(QStringLiteral("Glass"), *m_cache);
    zkMaterialTagModel glassModel;
    const zkModelTester glassTester(&glassModel);
    glassModel.setRootItem(glass);
    QCOMPARE(glassModel.rowCount(), 0);
    QCOMPARE(glass->getText(), QStringLiteral("Glass"));
    QCOMPARE(glass->getTagId(), zkMaterialTagId(QStringLiteral("Glass")));
    QCOMPARE(&glass->getTagSource(), m_cache.get());
    QVERIFY(!glass->getEditable(0) && !glass->getCheckable() && !glass->getDragEnabled() && !glass->getDropEnabled());
    const QList<zkModelItem *> items = zkMaterialTagItemFactory::createItemsForTaggedMaterials(QStringLiteral("Glass"), {blue, red});
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(1)->getId(), tagId(QStringLiteral("Glass"), red));
    qDeleteAll(items);
}

void tst_zkMaterialTagModel::followsKernel()
{
    const zkdMaterial red = addMaterial(QStringLiteral("Red"), {QStringLiteral("Paint")});
    m_model->refresh();
    QCOMPARE(dumpModel(*m_model), QStringLiteral("Paint[Red]"));
    const QPersistentModelIndex paint = m_model->index(0, 0);
    const QPersistentModelIndex redRow = m_model->index(0, 0, paint);
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);

    {
        const zkScopedUndo undo(true);
        red.setTags({QStringLiteral("Paint"), QStringLiteral("Car")});
        red.setName(QStringLiteral("Ruby"));
        addMaterial(QStringLiteral("Blue"), {QStringLiteral("Paint")});
    }
    QCOMPARE(dumpModel(*m_model), QStringLiteral("Car[Ruby] Paint[Blue,Ruby]"));
    QCOMPARE(compareWithKernel(*m_model), QString());
    QCOMPARE(paint, m_model->index(1, 0));
    QCOMPARE(redRow, m_model->index(1, 0, paint));

    {
        const zkScopedUndo undo(true);
        service()->removeMaterial(red);
    }
    QCOMPARE(dumpModel(*m_model), QStringLiteral("Paint[Blue]"));
    QVERIFY(!redRow.isValid());
    stack()->undo();
    stack()->undo();
    QCOMPARE(dumpModel(*m_model), QStringLiteral("Car[Ruby] Paint[Ruby]"));
    QCOMPARE(resets.count(), 0);
}

void tst_zkMaterialTagModel::drops_data()
{
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("after");

    const QString unchanged = QStringLiteral("Car[Red] Paint[Blue,Red]");
    const int move = Qt::MoveAction;
    QTest::newRow("material item") << "blue item" << "Car" << move << "Car[Blue,Red] Paint[Blue,Red]";
    QTest::newRow("copy") << "blue item" << "Car" << int(Qt::CopyAction) << "Car[Blue,Red] Paint[Blue,Red]";
    QTest::newRow("two material items") << "both items" << "Car" << move << "Car[Blue,Red] Paint[Blue,Red]";
    QTest::newRow("material id") << "blue id" << "Car" << move << "Car[Blue,Red] Paint[Blue,Red]";
    QTest::newRow("already tagged") << "red item" << "Car" << move << unchanged;
    QTest::newRow("onto a material") << "blue item" << "Red" << move << unchanged;
    QTest::newRow("onto no row") << "blue item" << "" << move << unchanged;
    QTest::newRow("ignore action") << "blue item" << "Car" << int(Qt::IgnoreAction) << unchanged;
    QTest::newRow("truncated item") << "truncated item" << "Car" << move << unchanged;
    QTest::newRow("truncated id") << "truncated id" << "Car" << move << unchanged;
    QTest::newRow("long id") << "long id" << "Car" << move << unchanged;
    QTest::newRow("foreign variant") << "foreign variant" << "Car" << move << unchanged;
    QTest::newRow("foreign type") << "foreign type" << "Car" << move << unchanged;
    QTest::newRow("own rows") << "own rows" << "Car" << move << unchanged;
    QTest::newRow("empty") << "empty" << "Car" << move << unchanged;
    QTest::newRow("stale item") << "stale item" << "Car" << move << unchanged;
    QTest::newRow("stale id") << "stale id" << "Car" << move << unchanged;
    QTest::newRow("stale among good") << "stale and blue" << "Car" << move << unchanged;
}

void tst_zkMaterialTagModel::drops()
{
    QFETCH(QString, payload);
    QFETCH(QString, target);
    QFETCH(int, action);
    QFETCH(QString, after);

    const zkdMaterial red = addMaterial(QStringLiteral("Red"), {QStringLiteral("Paint"), QStringLiteral("Car")});
    const zkdMaterial blue = addMaterial(QStringLiteral("Blue"), {QStringLiteral("Paint")});
    const zkdMaterial gone = addMaterial(QStringLiteral("Gone"), {});
    const QByteArray goneItem = materialItemPayload({gone});
    service()->removeMaterial(gone);
    m_model->refresh();
    const QString before = dumpModel(*m_model);

    const QString itemType = QStringLiteral("application/zelk-material-item");
    const QString idType = QStringLiteral("application/zelk-material-id");
    std::unique_ptr<QMimeData> data;
    if (payload == QLatin1String("blue item"))
        data = mimeData(itemType, materialItemPayload({blue}));
    else if (payload == QLatin1String("red item"))
        data = mimeData(itemType, materialItemPayload({red}));
    else if (payload == QLatin1String("both items"))
        data = mimeData(itemType, materialItemPayload({blue, red}));
    else if (payload == QLatin1String("blue id"))
        data = mimeData(idType, materialIdPayload(blue));
    else if (payload == QLatin1String("truncated item"))
        data = mimeData(itemType, materialItemPayload({blue, red}).chopped(1));
    else if (payload == QLatin1String("truncated id"))
        data = mimeData(idType, materialIdPayload(blue).chopped(1));
    else if (payload == QLatin1String("long id"))
        data = mimeData(idType, materialIdPayload(blue) + materialIdPayload(blue));
    else if (payload == QLatin1String("foreign variant")) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << QVariant::fromValue(zkMaterialId(nodeOf(blue))) << QVariant(42);
        data = mimeData(itemType, bytes);
    } else if (payload == QLatin1String("foreign type"))
        data = mimeData(QStringLiteral("text/plain"), QByteArrayLiteral("Blue"));
    else if (payload == QLatin1String("own rows")) {
        const QModelIndex row = m_model->index(0, 0, m_model->index(1, 0));
        data.reset(m_model->mimeData({row}));
    } else if (payload == QLatin1String("empty"))
        data = mimeData(itemType, QByteArray());
    else if (payload == QLatin1String("stale item"))
        data = mimeData(itemType, goneItem);
    else if (payload == QLatin1String("stale id"))
        data = mimeData(idType, materialIdPayload(gone));
    else if (payload == QLatin1String("stale and blue"))
        data = mimeData(itemType, goneItem + materialItemPayload({blue}));
    QVERIFY(data);

    QModelIndex parent;
    if (!target.isEmpty()) {
        const QModelIndexList found = m_model->match(m_model->index(0, 0), Qt::DisplayRole, target, 1,
                                                     Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        parent = found.first();
    }
    const int steps = stack()->count();
    const auto dropAction = Qt::DropAction(action);
    const bool accepted = after != before;
    QCOMPARE(m_model->canDropMimeData(data.get(), dropAction, -1, 0, parent), accepted);
    QCOMPARE(stack()->count(), steps);
    QCOMPARE(dumpModel(*m_model), before);
    QCOMPARE(m_model->dropMimeData(data.get(), dropAction, -1, 0, parent), accepted);
    QCOMPARE(dumpModel(*m_model), after);
    QCOMPARE(compareWithKernel(*m_model), QString());
    QCOMPARE(stack()->count(), steps + (accepted ? 1 : 0));
    if (accepted) {
        stack()->undo();
        QCOMPARE(dumpModel(*m_model), before);
    }
}

// Random kernel changes and drops; after each, the model must show what the kernel holds.
// ZK_MATERIAL_TAG_SEED replays a run.
void tst_zkMaterialTagModel::randomMutations()
{
    const QByteArray seedText = qgetenv("ZK_MATERIAL_TAG_SEED");
    const quint32 seed = seedText.isEmpty() ? QRandomGenerator::global()->generate() : seedText.toUInt();
    QRandomGenerator random(seed);
    const auto pick = [&random](int count) { return int(random.bounded(count)); };
    static const QStringList tagPool{QStringLiteral("Car"), QStringLiteral("Paint"), QStringLiteral("Metal"),
                                     QStringLiteral("Soft"), QStringLiteral("Interior"), QStringLiteral("\u00e9t\u00e9")};
    const auto someTags = [&] {
        QStringList tags;
        for (int n = pick(4); n > 0; --n)
            tags.append(tagPool.at(pick(tagPool.size())));
        return tags;
    };
    QList<zkdMaterial> known;
    for (int n = 0; n < 6; ++n)
        known.append(addMaterial(QStringLiteral("M%1").arg(n), someTags()));
    m_model->refresh();
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);

    constexpr int steps = 10000;
    for (int step = 0; step < steps; ++step) {
        QString what;
        const QList<zkdMaterial> scene = service()->getSceneMaterials();
        const zkScopedUndo undo(true);
        switch (pick(9)) {
        case 0:
        case 1: // retag
            if (scene.isEmpty())
                break;
            what = QStringLiteral("retag");
            scene.at(pick(scene.size())).setTags(someTags());
            break;
        case 2: // create, or bring a known material back
            what = QStringLiteral("create");
            if (scene.size() >= 20)
                break;
            if (pick(3) == 0) {
                service()->addMaterial(known.at(pick(known.size())));
            } else {
                known.append(zkdObjectManager::create<zkdPlasticMaterial>());
                known.last().setName(QStringLiteral("C%1").arg(step));
                known.last().setTags(someTags());
                service()->addMaterial(known.last());
            }
            break;
        case 3: // delete
            if (scene.isEmpty())
                break;
            what = QStringLiteral("delete");
            service()->removeMaterial(scene.at(pick(scene.size())));
            break;
        case 4: // rename
            if (scene.isEmpty())
                break;
            what = QStringLiteral("rename");
            scene.at(pick(scene.size())).setName(QStringLiteral("R%1").arg(step));
            break;
        case 5:
        case 6:
            what = QStringLiteral("undo");
            stack()->undo();
            break;
        case 7:
            what = QStringLiteral("redo");
            stack()->redo();
            break;
        case 8: { // a drop onto a tag
            const int tags = m_model->rowCount();
            if (tags == 0 || known.isEmpty())
                break;
            const QModelIndex target = m_model->index(pick(tags), 0);
            const zkdMaterial material = known.at(pick(known.size()));
            what = QStringLiteral("drop %1 onto %2").arg(material.getName(), target.data().toString());
            std::unique_ptr<QMimeData> data = pick(2) == 0
                ? mimeData(QStringLiteral("application/zelk-material-id"), materialIdPayload(material))
                : mimeData(QStringLiteral("application/zelk-material-item"), materialItemPayload({material}));
            const int before = stack()->count();
            const bool accepted = m_model->canDropMimeData(data.get(), Qt::CopyAction, -1, 0, target);
            if (m_model->dropMimeData(data.get(), Qt::CopyAction, -1, 0, target) != accepted)
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: drop and drop test disagree").arg(seed).arg(step)));
            if (!accepted && stack()->count() != before)
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: a refused drop changed the scene").arg(seed).arg(step)));
            break;
        }
        }
        const QString difference = compareWithKernel(*m_model);
        if (!difference.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3):\n %4").arg(seed).arg(step).arg(what, difference)));
    }
    QCOMPARE(resets.count(), 0);
}

QTEST_MAIN(tst_zkMaterialTagModel)

#include "tst_zkMaterialTagModel.moc"
