#include "zkTestTree.h"

#include <zkTestSupport.h>
#include <zkdNode.h>
#include <zkdObjectManager.h>

#include <QDataStream>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QByteArray payload(const QVariantList &ids)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    for (const QVariant &id : ids)
        stream << id;
    return bytes;
}

QVariant id(quint64 value)
{
    return QVariant::fromValue(value);
}

QVariantList ids(std::initializer_list<quint64> values)
{
    QVariantList list;
    for (quint64 value : values)
        list.append(id(value));
    return list;
}

class IdItem : public zkModelItem
{
public:
    explicit IdItem(const QVariant &id) : m_id(id) {}
    QVariant getId() override { return m_id; }

private:
    QVariant m_id;
};

// Asks the model one question about an index.
using Probe = std::function<QVariant(zkTestModel &, const QModelIndex &)>;

} // namespace

Q_DECLARE_METATYPE(Probe)

class tst_zkItemModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void internalIdsAreNeverReused();
    void findsItemsByIdsOfAnyKind();
    void unknownInternalIdGivesNeutralResult_data();
    void unknownInternalIdGivesNeutralResult();
    void headers();
    void mimeDataWritesOneIdPerRow();
    void canDropMimeData_data();
    void canDropMimeData();
    void plainModelAcceptsNoDrop();
    void dropMimeData_data();
    void dropMimeData();
    void refreshChangesOnlyWhatChanged();
    void refreshWithUnchangedIdsIsSilent();
    void pendingRemovalsRunLastReportedFirst();
    void rowsAskedForDuringRemovalsArriveAsInsertions();
    void setRootItemWithSameIdKeepsIndexes();
    void indexFromIdPopulatesThePath();
};

void tst_zkItemModel::initTestCase()
{
    qRegisterMetaType<Qt::Orientation>();
    qRegisterMetaType<QList<QPersistentModelIndex>>();
    qRegisterMetaType<QAbstractItemModel::LayoutChangeHint>();
}

void tst_zkItemModel::internalIdsAreNeverReused()
{
    zkTestModel model(false);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.addChild(new zkModelItem);
    model.addChild(new zkModelItem);
    // The initial root holds id 1.
    QCOMPARE(model.index(0, 0).internalId(), quintptr(2));
    QCOMPARE(model.index(1, 0).internalId(), quintptr(3));

    zkModelItem *first = nullptr;
    QVERIFY(model.tryGetItem(model.index(0, 0), first));
    first->getParent()->removeChild(0);
    model.addChild(new zkModelItem);
    QCOMPARE(model.index(1, 0).internalId(), quintptr(4));
}

void tst_zkItemModel::findsItemsByIdsOfAnyKind()
{
    zkTestModel model(false);
    const QVariantList ids{QStringLiteral("b"), QStringLiteral("a"), -3, 5, QVariant::fromValue(quint64(7)), 2.5,
                           QByteArray("x"), QVariant::fromValue(zkdObjectManager::create<zkdNode>()),
                           QVariant::fromValue(zkdObjectManager::create<zkdNode>())};
    for (const QVariant &id : ids)
        model.addChild(new IdItem(id));

    for (int row = 0; row < ids.size(); ++row) {
        zkModelItem *item = nullptr;
        QVERIFY(model.tryGetItem(model.index(row, 0), item));
        QCOMPARE(model.findItemById(ids.at(row)), item);
    }
    // Numbers are the same id whatever their type.
    QCOMPARE(model.findItemById(QVariant::fromValue(quint64(5))), model.findItemById(5));
    QCOMPARE(model.findItemById(7), model.findItemById(QVariant::fromValue(quint64(7))));
    QVERIFY(!model.findItemById(QStringLiteral("c")));
    QVERIFY(!model.findItemById(QVariant::fromValue(zkdObjectManager::create<zkdNode>())));
}

void tst_zkItemModel::unknownInternalIdGivesNeutralResult_data()
{
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<QVariant>("neutral");

    const auto ownPayload = [](zkTestModel &) {
        auto *data = new QMimeData;
        data->setData(zkTestModel::mimeType(), QByteArray());
        return data;
    };
    QTest::newRow("index") << Probe([](zkTestModel &m, const QModelIndex &i) { return QVariant(m.index(0, 0, i).isValid()); })
                           << QVariant(false);
    QTest::newRow("parent") << Probe([](zkTestModel &m, const QModelIndex &i) { return QVariant(m.parent(i).isValid()); })
                            << QVariant(false);
    QTest::newRow("rowCount") << Probe([](zkTestModel &m, const QModelIndex &i) { return QVariant(m.rowCount(i)); })
                              << QVariant(0);
    QTest::newRow("columnCount") << Probe([](zkTestModel &m, const QModelIndex &i) { return QVariant(m.columnCount(i)); })
                                 << QVariant(1);
    QTest::newRow("data") << Probe([](zkTestModel &m, const QModelIndex &i) { return QVariant(m.data(i).isValid()); })
                          << QVariant(false);
    QTest::newRow("setData") << Probe([](zkTestModel &m, const QModelIndex &i) { return QVariant(m.setData(i, QStringLiteral("x"))); })
                             << QVariant(false);
    QTest::newRow("flags") << Probe([](zkTestModel &m, const QModelIndex &i) { return QVariant(int(m.flags(i))); })
                           << QVariant(0);
    QTest::newRow("tryGetItem") << Probe([](zkTestModel &m, const QModelIndex &i) {
        zkModelItem *item = nullptr;
        return QVariant(m.tryGetItem(i, item) || item);
    }) << QVariant(false);
    QTest::newRow("mimeData skips it") << Probe([](zkTestModel &m, const QModelIndex &i) {
        const std::unique_ptr<QMimeData> data(m.mimeData({i}));
        return QVariant(data->data(zkTestModel::mimeType()).size());
    }) << QVariant(0);
    QTest::newRow("canDropMimeData") << Probe([ownPayload](zkTestModel &m, const QModelIndex &i) {
        const std::unique_ptr<QMimeData> data(ownPayload(m));
        return QVariant(m.canDropMimeData(data.get(), Qt::MoveAction, -1, 0, i));
    }) << QVariant(false);
    QTest::newRow("dropMimeData") << Probe([ownPayload](zkTestModel &m, const QModelIndex &i) {
        const std::unique_ptr<QMimeData> data(ownPayload(m));
        return QVariant(m.dropMimeData(data.get(), Qt::MoveAction, -1, 0, i));
    }) << QVariant(false);
}

void tst_zkItemModel::unknownInternalIdGivesNeutralResult()
{
    QFETCH(Probe, probe);
    QFETCH(QVariant, neutral);

    zkTestFixture f(QStringLiteral("1 2[21] 3"));
    const QModelIndex stale = f.indexOf(2);
    const quintptr internalId = stale.internalId();
    f.root->removeChild(1);

    zkCapturedOutput err(stderr);
    QCOMPARE(probe(f.model, stale), neutral);
    QCOMPARE(err.take(), QByteArray("Invalid index row:1 id:0x") + QByteArray::number(qulonglong(internalId), 16));
}

void tst_zkItemModel::headers()
{
    zkTestFixture f(QStringLiteral("1"), 2);
    QSignalSpy spy(&f.model, &QAbstractItemModel::headerDataChanged);

    f.model.setHeader({QStringLiteral("Name"), QStringLiteral("Kind")});
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 0);
    QCOMPARE(spy.at(0).at(2).toInt(), 1);
    f.model.setHeader({QStringLiteral("Title")});

    QCOMPARE(f.model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Title"));
    QCOMPARE(f.model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Kind"));
    const QVariant unset = f.model.headerData(7, Qt::Horizontal, Qt::DisplayRole);
    QCOMPARE(unset.userType(), int(QMetaType::QString));
    QVERIFY(unset.toString().isEmpty());
    QVERIFY(!f.model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!f.model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
}

void tst_zkItemModel::mimeDataWritesOneIdPerRow()
{
    zkTestFixture f(QStringLiteral("1 2 3"), 3);
    QModelIndexList selection;
    for (int row : {2, 0}) {
        for (int column = 0; column < 3; ++column)
            selection.append(f.model.index(row, column));
    }
    const std::unique_ptr<QMimeData> data(f.model.mimeData(selection));

    QCOMPARE(f.model.mimeTypes(), QStringList{zkTestModel::mimeType()});
    QCOMPARE(data->formats(), QStringList{zkTestModel::mimeType()});
    QCOMPARE(data->data(zkTestModel::mimeType()), payload(ids({3, 1})));

    zkItemModel plain;
    QCOMPARE(plain.mimeTypes(), QStringList{QStringLiteral("application/zelk-abstract-item")});
}

void tst_zkItemModel::canDropMimeData_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("acceptExternal");
    QTest::addColumn<bool>("expected");

    const QString own = zkTestModel::mimeType();
    const QString external = QStringLiteral("application/x-zk-external");
    const QByteArray two = payload(ids({11, 2}));
    QTest::newRow("empty payload") << own << QByteArray() << false << true;
    QTest::newRow("known ids") << own << two << false << true;
    QTest::newRow("unknown id") << own << payload(ids({11, 99})) << false << false;
    QTest::newRow("truncated") << own << two.left(two.size() - 1) << false << false;
    QTest::newRow("garbage") << own << QByteArray("\xff\xff\xff\x7f garbage", 12) << false << false;
    QTest::newRow("vetoed by the item") << own << payload(ids({3})) << false << false;
    QTest::newRow("foreign type") << QStringLiteral("text/plain") << two << true << false;
    QTest::newRow("external type, accepted") << external << QByteArray("x") << true << true;
    QTest::newRow("external type, refused") << external << QByteArray("x") << false << false;
    QTest::newRow("type differs in case") << own.toUpper() << two << true << false;
}

void tst_zkItemModel::canDropMimeData()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, acceptExternal);
    QFETCH(bool, expected);

    zkTestFixture f(QStringLiteral("1[11] 2 3"));
    f.scene.undroppable.insert(3);
    f.model.addExternalMimeType(QStringLiteral("application/x-zk-external"));
    f.model.acceptExternal = acceptExternal;
    QMimeData data;
    data.setData(format, bytes);

    zkCapturedLog log;
    QCOMPARE(f.model.canDropMimeData(&data, Qt::MoveAction, -1, 0, f.indexOf(1)), expected);
    QVERIFY(!f.model.canDropMimeData(nullptr, Qt::MoveAction, -1, 0, QModelIndex()));
}

void tst_zkItemModel::plainModelAcceptsNoDrop()
{
    zkTestFixture f(QStringLiteral("1 2"), 1, false);
    const std::unique_ptr<QMimeData> data(f.model.mimeData({f.indexOf(2)}));
    QVERIFY(data->hasFormat(QStringLiteral("application/zelk-abstract-item")));
    QVERIFY(!f.model.canDropMimeData(data.get(), Qt::MoveAction, 0, 0, QModelIndex()));
    QVERIFY(!f.model.dropMimeData(data.get(), Qt::MoveAction, 0, 0, QModelIndex()));
    QCOMPARE(zkDumpModel(f.model), QStringLiteral("1 2"));
}

void tst_zkItemModel::dropMimeData_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("action");
    QTest::addColumn<quint64>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("expected");

    const QString own = zkTestModel::mimeType();
    const int move = Qt::MoveAction;
    const QByteArray two = payload(ids({11, 12}));
    QTest::newRow("from another parent at row 2") << own << two << move << quint64(0) << 2 << true
                                                  << "1[13] 2 11 12 3";
    QTest::newRow("appended") << own << two << move << quint64(0) << -1 << true << "1[13] 2 3 11 12";
    QTest::newRow("copy moves too") << own << two << int(Qt::CopyAction) << quint64(0) << -1 << true
                                    << "1[13] 2 3 11 12";
    QTest::newRow("payload order") << own << payload(ids({13, 11})) << move << quint64(0) << 0 << true
                                   << "13 11 1[12] 2 3";
    QTest::newRow("down within the parent") << own << payload(ids({1})) << move << quint64(0) << 3 << true
                                            << "2 3 1[11 12 13]";
    QTest::newRow("onto an item") << own << payload(ids({3})) << move << quint64(2) << -1 << true
                                  << "1[11 12 13] 2[3]";
    QTest::newRow("unknown id skipped") << own << payload(ids({99, 11})) << move << quint64(2) << -1 << true
                                        << "1[12 13] 2[11] 3";
    QTest::newRow("below itself skipped") << own << payload(ids({1, 3})) << move << quint64(11) << -1 << true
                                          << "1[11[3] 12 13] 2";
    QTest::newRow("empty payload") << own << QByteArray() << move << quint64(0) << 0 << true << "1[11 12 13] 2 3";
    QTest::newRow("truncated") << own << two.left(two.size() - 3) << move << quint64(2) << -1 << false
                               << "1[12 13] 2[11] 3";
    QTest::newRow("garbage") << own << QByteArray("\xff\xff\xff\x7f garbage", 12) << move << quint64(2) << -1 << false
                             << "1[11 12 13] 2 3";
    QTest::newRow("ignore action") << own << two << int(Qt::IgnoreAction) << quint64(0) << -1 << false
                                   << "1[11 12 13] 2 3";
    QTest::newRow("foreign type") << QStringLiteral("text/plain") << two << move << quint64(0) << -1 << false
                                  << "1[11 12 13] 2 3";
    QTest::newRow("accepted external type") << QStringLiteral("application/x-zk-external") << two << move
                                            << quint64(0) << -1 << false << "1[11 12 13] 2 3";
}

void tst_zkItemModel::dropMimeData()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(int, action);
    QFETCH(quint64, target);
    QFETCH(int, row);
    QFETCH(bool, result);
    QFETCH(QString, expected);

    zkTestFixture f(QStringLiteral("1[11 12 13] 2 3"));
    f.model.addExternalMimeType(QStringLiteral("application/x-zk-external"));
    f.model.acceptExternal = true;
    QCOMPARE(zkDumpModel(f.model), QStringLiteral("1[11 12 13] 2 3"));
    const QPersistentModelIndex eleven = f.indexOf(11);
    QSignalSpy resetSpy(&f.model, &QAbstractItemModel::modelAboutToBeReset);
    QMimeData data;
    data.setData(format, bytes);

    zkCapturedLog log;
    QCOMPARE(f.model.dropMimeData(&data, Qt::DropAction(action), row, 0, target ? f.indexOf(target) : QModelIndex()),
             result);
    QCOMPARE(zkDumpModel(f.model), expected);
    QCOMPARE(resetSpy.count(), 0);
    QVERIFY(eleven.isValid());
    QCOMPARE(eleven.data().toString(), QStringLiteral("11"));
}

void tst_zkItemModel::refreshChangesOnlyWhatChanged()
{
    zkTestFixture f(QStringLiteral("1[11] 2 3 4"));
    const QPersistentModelIndex one = f.indexOf(1);
    const QPersistentModelIndex eleven = f.indexOf(11);
    const QPersistentModelIndex four = f.indexOf(4);
    QSignalSpy resetSpy(&f.model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy insertSpy(&f.model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removeSpy(&f.model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy moveSpy(&f.model, &QAbstractItemModel::rowsMoved);

    f.scene.children[0] = {4, 2, 5, 1};
    f.model.reload();

    QCOMPARE(zkDumpModel(f.model), QStringLiteral("4 2 5 1[11]"));
    QCOMPARE(resetSpy.count(), 0);
    QCOMPARE(insertSpy.count(), 1);
    QCOMPARE(removeSpy.count(), 1);
    QVERIFY(moveSpy.count() <= 2);
    QCOMPARE(one.data().toString(), QStringLiteral("1"));
    QCOMPARE(one.row(), 3);
    QCOMPARE(eleven.parent(), QModelIndex(one));
    QCOMPARE(four.row(), 0);
}

void tst_zkItemModel::refreshWithUnchangedIdsIsSilent()
{
    zkTestFixture f(QStringLiteral("1[11 12] 2[21[211]]"));
    QSignalSpy dataSpy(&f.model, &QAbstractItemModel::dataChanged);
    QSignalSpy layoutSpy(&f.model, &QAbstractItemModel::layoutAboutToBeChanged);
    QSignalSpy insertSpy(&f.model, &QAbstractItemModel::rowsAboutToBeInserted);
    QSignalSpy removeSpy(&f.model, &QAbstractItemModel::rowsAboutToBeRemoved);
    QSignalSpy moveSpy(&f.model, &QAbstractItemModel::rowsAboutToBeMoved);
    QSignalSpy resetSpy(&f.model, &QAbstractItemModel::modelAboutToBeReset);

    f.model.reload();
    QCOMPARE(dataSpy.count() + layoutSpy.count() + insertSpy.count() + removeSpy.count() + moveSpy.count()
                 + resetSpy.count(),
             0);

    f.scene.names[21] = QStringLiteral("renamed");
    f.model.reload();
    QCOMPARE(dataSpy.count(), 1);
    QCOMPARE(dataSpy.at(0).at(0).toModelIndex(), f.indexOf(21));
    QCOMPARE(static_cast<zkTestItem *>(f.model.findItemById(id(211)))->updateCount(), 1);
}

void tst_zkItemModel::pendingRemovalsRunLastReportedFirst()
{
    zkTestFixture f(QStringLiteral("1[11 12] 2"));
    QSignalSpy removeSpy(&f.model, &QAbstractItemModel::rowsAboutToBeRemoved);

    f.scene.children[0] = {1};
    f.scene.children[1] = {11};
    f.model.reload();

    QCOMPARE(zkDumpModel(f.model), QStringLiteral("1[11]"));
    QCOMPARE(removeSpy.count(), 2);
    QCOMPARE(removeSpy.at(0).at(0).toModelIndex(), f.indexOf(1));
    QCOMPARE(removeSpy.at(1).at(0).toModelIndex(), QModelIndex());
}

void tst_zkItemModel::rowsAskedForDuringRemovalsArriveAsInsertions()
{
    zkTestScene scene = zkTestScene::parse(QStringLiteral("1 2 3[31 32]"));
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    QCOMPARE(model.rowCount(), 3);
    const QPersistentModelIndex three = model.index(2, 0);
    QList<int> countsSeen;
    connect(&model, &QAbstractItemModel::rowsRemoved, this, [&] { countsSeen.append(model.rowCount(three)); });
    QSignalSpy insertSpy(&model, &QAbstractItemModel::rowsInserted);

    scene.children[0] = {3};
    model.reload();

    // Nothing populates while the removals run; the rows then come with notices.
    QCOMPARE(countsSeen, QList<int>{0});
    QCOMPARE(insertSpy.count(), 2);
    QCOMPARE(insertSpy.at(0).at(0).toModelIndex(), QModelIndex(three));
    QCOMPARE(model.rowCount(three), 2);
    QCOMPARE(zkDumpModel(model), QStringLiteral("3[31 32]"));
}

void tst_zkItemModel::setRootItemWithSameIdKeepsIndexes()
{
    zkTestFixture f(QStringLiteral("1 2[21]"));
    const QPersistentModelIndex child = f.indexOf(21);
    QSignalSpy resetSpy(&f.model, &QAbstractItemModel::modelAboutToBeReset);

    auto *newRoot = new zkTestItem(&f.scene, 0);
    f.model.setRootItem(newRoot);

    QCOMPARE(resetSpy.count(), 0);
    QVERIFY(child.isValid());
    QCOMPARE(child.data().toString(), QStringLiteral("21"));
    QCOMPARE(f.model.findItemById(id(0)), newRoot);
    QCOMPARE(f.model.findItemById(id(2))->getParent(), newRoot);
    QCOMPARE(zkDumpModel(f.model), QStringLiteral("1 2[21]"));
}

void tst_zkItemModel::indexFromIdPopulatesThePath()
{
    zkTestScene scene = zkTestScene::parse(QStringLiteral("1[11[111 112]] 2"));
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    QVERIFY(!model.findItemById(id(112)));

    const QModelIndex index = model.indexFromId(id(112), 0);

    QVERIFY(index.isValid());
    QCOMPARE(index.data().toString(), QStringLiteral("112"));
    QCOMPARE(index.row(), 1);
    QCOMPARE(index.parent().data().toString(), QStringLiteral("11"));
    QVERIFY(!model.findItemById(id(2))->child(0));
    QVERIFY(!model.indexFromId(id(0)).isValid());
    QVERIFY(!model.indexFromId(id(99)).isValid());
    QVERIFY(!model.findOrCreateItemById(id(99)));
}

QTEST_MAIN(tst_zkItemModel)
#include "tst_zkItemModel.moc"
