#include "zkTestTree.h"

#include <zkMaterialTagId.h>
#include <zkProxyModel.h>
#include <zkTestSupport.h>

#include <QDataStream>
#include <QDate>
#include <QRegExp>
#include <QtTest>

#include <algorithm>
#include <random>

namespace {

QByteArray payload(std::initializer_list<quint64> ids)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    for (quint64 value : ids)
        stream << QVariant::fromValue(value);
    return bytes;
}

// The notices of a model as words: "+P:f-l" inserted, "-P:f-l" removed, "P:f>Q:r" moved,
// "~N" changed, "reset" (P, Q and N are display texts; the root's is empty).
class Notices : public QObject
{
public:
    explicit Notices(QAbstractItemModel *model)
    {
        const auto rows = [this](char sign) {
            return [=](const QModelIndex &parent, int first, int last) {
                add(QStringLiteral("%1%2:%3-%4").arg(sign).arg(parent.data().toString()).arg(first).arg(last));
            };
        };
        connect(model, &QAbstractItemModel::rowsInserted, this, rows('+'));
        connect(model, &QAbstractItemModel::rowsRemoved, this, rows('-'));
        connect(model, &QAbstractItemModel::rowsMoved, this,
                [this](const QModelIndex &from, int first, int, const QModelIndex &to, int row) {
                    add(QStringLiteral("%1:%2>%3:%4")
                            .arg(from.data().toString())
                            .arg(first)
                            .arg(to.data().toString())
                            .arg(row));
                });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &index) { add('~' + index.data().toString()); });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { add(QStringLiteral("reset")); });
    }
    void add(const QString &word) { text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + word; }

    QString text;
};

using Change = std::function<void(zkTestFixture &)>;

class IdItem : public zkModelItem
{
public:
    explicit IdItem(const QVariant &id) : m_id(id) {}
    QVariant getId() override { return m_id; }

private:
    QVariant m_id;
};

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_zkItemModel : public QObject
{
    Q_OBJECT
private slots:
    void changes_data();
    void changes();
    void lazyPopulationIsSilentAndFollowsThePath();
    void structureAndCleanUpDoNotPopulate();
    void emptySpaceAndWideColumns_data();
    void emptySpaceAndWideColumns();
    void idsOfEveryKindAreIndexed_data();
    void idsOfEveryKindAreIndexed();
    void unknownInternalIdGivesNeutralResults();
    void mimeData();
    void drop_data();
    void drop();
    void randomRefreshes_data();
    void randomRefreshes();
};

void tst_zkItemModel::changes_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("notices");

    const auto insert = [](int row, int from) { // from -1: a new item 9
        return Change([=](zkTestFixture &f) {
            f.root->insertChild(row, from < 0 ? new zkTestItem(&f.scene, 9) : f.root->child(from));
        });
    };
    const QString flat = QStringLiteral("1 2 3 4");
    QTest::newRow("append") << flat << insert(-1, -1) << "1 2 3 4 9" << "+:4-4";
    QTest::newRow("far beyond") << flat << insert(1000, -1) << "1 2 3 4 9" << "+:4-4";
    QTest::newRow("insert") << flat << insert(1, -1) << "1 9 2 3 4" << "+:1-1";
    QTest::newRow("onto own next position") << flat << insert(2, 1) << flat << "";
    QTest::newRow("two down lands one down") << flat << insert(3, 1) << "1 3 2 4" << ":1>:3";
    QTest::newRow("up") << flat << insert(0, 2) << "3 1 2 4" << ":2>:0";
    QTest::newRow("null, self, ancestor") << "1[2[3]]" << Change([](zkTestFixture &f) {
        f.item(1)->addChild(nullptr);
        f.item(1)->addChild(f.item(1));
        f.item(3)->insertChild(0, f.item(1));
    }) << "1[2[3]]" << "";
    QTest::newRow("take") << "1[11[111]] 2" << Change([](zkTestFixture &f) {
        const std::unique_ptr<zkModelItem> taken(f.root->takeChild(0));
        QVERIFY(!f.root->takeChild(1) && !taken->getParent() && !taken->child(0)->child(0)->getModel() && !f.item(111));
    }) << "2" << "-:0-0";
    QTest::newRow("edit") << "1 2" << Change([](zkTestFixture &f) {
        QVERIFY(f.model.setData(f.indexOf(2), QStringLiteral("x"), Qt::EditRole));
        QVERIFY(f.item(2)->setData(Qt::DisplayRole, QStringLiteral("x"))); // equal: no notice
        QCOMPARE(f.model.data(f.indexOf(2), Qt::EditRole).toString(), QStringLiteral("x"));
    }) << "1 x" << "~x";
    // Dropped rows stay until the edit closes, then go in one run per parent, last reported first.
    QTest::newRow("stale rows") << "1[11 12 13] 2 3" << Change([](zkTestFixture &f) {
        f.scene.children = {{0, {1}}, {1, {11}}};
        f.scene.afterUpdate = [&f](zkTestItem *item) { QVERIFY(item != f.root || item->childCount() == 3); };
        f.model.reload();
    }) << "1[11]" << "-1:1-2 -:1-2";
    // A first, partial list inside the same edit must not make the final one lose rows.
    QTest::newRow("two lists in one edit") << "1 2 3" << Change([](zkTestFixture &f) {
        f.scene.afterUpdate = [&f](zkTestItem *item) {
            f.scene.afterUpdate = nullptr;
            item->setChildren({new zkTestItem(&f.scene, 1)});
            item->setChildren({new zkTestItem(&f.scene, 1), new zkTestItem(&f.scene, 4), new zkTestItem(&f.scene, 3)});
        };
        f.root->reload();
    }) << "1 4 3" << "+:1-1 :3>:2 -:3-3";
    QTest::newRow("reorder") << "1[11] 2 3 4" << Change([](zkTestFixture &f) {
        f.scene.children[0] = {4, 2, 5, 1};
        f.model.reload();
    }) << "4 2 5 1[11]" << ":3>:0 :2>:1 +:2-2 -:4-4";
    QTest::newRow("same ids, then a rename") << "1[11] 2[21[211]]" << Change([](zkTestFixture &f) {
        f.model.reload();
        f.scene.names[21] = QStringLiteral("x");
        int updates = 0;
        f.scene.afterUpdate = [&updates](zkTestItem *item) { updates += item->id() == 211; };
        f.model.reload();
        QCOMPARE(updates, 1); // once per reload, not once per ancestor
    }) << "1[11] 2[x[211]]" << "~x";
    QTest::newRow("root of the same id") << "1 2[21]" << Change([](zkTestFixture &f) {
        f.model.setRootItem(f.root = new zkTestItem(&f.scene, 0));
        QCOMPARE(f.item(2)->getParent(), f.root);
    }) << "1 2[21]" << "";
    // The taken item, with rows of its own, takes the place of the fresh item 1 (populated by
    // the tester with row 13) silently, rows and all; only the move that follows is announced.
    QTest::newRow("taken item comes back") << "1[11 12] 2" << Change([](zkTestFixture &f) {
        zkModelItem *taken = f.root->takeChild(0);
        f.scene.children[1] = {13};
        f.root->reload();
        QVERIFY(f.item(13));
        f.item(2)->addChild(taken);
        QVERIFY(f.item(1) == taken && !f.item(13) && f.item(11)->getParent() == taken);
    }) << "2[1[11 12]]" << "-:0-0 +:0-0 :0>2:0";
}

void tst_zkItemModel::changes()
{
    QFETCH(QString, tree);
    QFETCH(Change, change);
    QFETCH(QString, expected);
    QFETCH(QString, notices);

    zkTestFixture f(tree);
    Notices log(&f.model);
    change(f);
    QCOMPARE(zkDumpModel(f.model), expected);
    QCOMPARE(log.text, notices);
}

void tst_zkItemModel::lazyPopulationIsSilentAndFollowsThePath()
{
    zkTestScene scene = zkTestScene::parse(QStringLiteral("1[11[111 112] 12] 2[21]"));
    int updates = 0;
    scene.afterUpdate = [&updates](zkTestItem *) { ++updates; };
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    QCOMPARE(model.rowCount(), 2);
    zkModelItem *one = model.findItemById(1); // numbers are the same id whatever their type
    Notices notices(&model);
    QVERIFY(one && !one->child(0) && one->childCount() == 2 && one->childCount() == 2);
    // Item 1 updated once, silently: the asking view reads the final count.
    QVERIFY(updates == 2 && notices.text.isEmpty());
    const QModelIndex index = model.indexFromId(scene.idOf(112), 0);
    QCOMPARE(index.parent().data().toString() + '/' + index.data().toString(), QStringLiteral("11/112"));
    // Only the path populates, with notices.
    QCOMPARE(notices.text, QStringLiteral("~11 +11:0-0 +11:1-1"));
    QVERIFY(!model.findItemById(scene.idOf(2))->child(0) && !model.findOrCreateItemById(scene.idOf(99)));
    QVERIFY(!model.indexFromId(scene.idOf(0)).isValid());
    // A recursive search populates what it looks through.
    zkProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterRegExp(QRegExp(QStringLiteral("21")));
    proxy.setRecursiveMatchingEnabled(true);
    QCOMPARE(zkDumpModel(proxy), QStringLiteral("2[21]"));
}

// Without QAbstractItemModelTester, which populates every parent that it is told about.
void tst_zkItemModel::structureAndCleanUpDoNotPopulate()
{
    zkTestScene scene = zkTestScene::parse(QStringLiteral("1[11] 2 3"));
    QHash<quint64, int> updates;
    scene.afterUpdate = [&updates](zkTestItem *item) { ++updates[item->id()]; };
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    QCOMPARE(model.rowCount(), 3);
    // The row is clamped to the rows before population, which Qt's own notice asks for.
    model.findItemById(1)->insertChild(5, new zkTestItem(&scene, 12));
    QCOMPARE(zkDumpModel(model), QStringLiteral("1[12 11] 2 3"));

    // Asked while the dropped rows go, a new, unloaded item has no rows; asked again, it populates.
    int rowsDuringRemoval = -1;
    connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [&] { rowsDuringRemoval = model.rowCount(model.indexFromId(4)); });
    scene.children[0] = {1, 4};
    scene.children[4] = {41};
    model.reload();
    QVERIFY(rowsDuringRemoval == 0 && !updates.contains(4));
    QCOMPARE(zkDumpModel(model), QStringLiteral("1[11] 4[41]"));
    QCOMPARE(updates.value(4), 1);
}

// Without QAbstractItemModelTester, which allows the empty space no flag but the drop flag and
// no dataChanged() outside the rows and columns a view shows: the model reports the root's own
// flags there, and every real change of an item's data.
void tst_zkItemModel::emptySpaceAndWideColumns_data()
{
    QTest::addColumn<bool>("testRoot");
    QTest::addColumn<int>("rootFlags");
    QTest::newRow("plain root") << false << int(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    QTest::newRow("drag and drop root") << true << int(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled
                                                       | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
}

void tst_zkItemModel::emptySpaceAndWideColumns()
{
    QFETCH(bool, testRoot);
    QFETCH(int, rootFlags);
    zkTestScene scene;
    zkTestModel model;
    if (testRoot)
        model.setRootItem(new zkTestItem(&scene, 0));
    model.addChild(new IdItem(7));
    QCOMPARE(int(model.flags(QModelIndex())), rootFlags);

    zkModelItem *root = nullptr;
    QVERIFY(model.tryGetItem(QModelIndex(), root));
    zkModelItem *item = model.findItemById(7);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    root->setText(QStringLiteral("root"));
    item->setText(QStringLiteral("wide"), 3);
    QCOMPARE(changes.size(), 2);
    QVERIFY(!changes.at(0).at(0).toModelIndex().isValid());
    const QModelIndex wide = changes.at(1).at(0).toModelIndex();
    QVERIFY(wide.row() == 0 && wide.column() == 3 && wide.internalId() == model.index(0, 0).internalId());
}

void tst_zkItemModel::idsOfEveryKindAreIndexed_data()
{
    QTest::addColumn<QVariant>("id");
    QTest::addColumn<QVariant>("sameId");
    QTest::addColumn<QVariant>("otherId");
    QTest::newRow("integers of two types") << QVariant(quint64(5)) << QVariant(5) << QVariant(6);
    QTest::newRow("negative integer") << QVariant(qlonglong(-3)) << QVariant(-3) << QVariant(3);
    QTest::newRow("string") << QVariant(QStringLiteral("a")) << QVariant(QStringLiteral("a")) << QVariant(QByteArray("a"));
    QTest::newRow("floating point") << QVariant(2.5) << QVariant(2.5) << QVariant(2);
    QTest::newRow("hashable user type") << QVariant::fromValue(zkMaterialTagId(QStringLiteral("t")))
                                        << QVariant::fromValue(zkMaterialTagId(QStringLiteral("t")))
                                        << QVariant::fromValue(zkMaterialTagId(QStringLiteral("u")));
    QTest::newRow("other type") << QVariant(QDate(2020, 1, 2)) << QVariant(QDate(2020, 1, 2)) << QVariant(QDate(2020, 2, 1));
}

void tst_zkItemModel::idsOfEveryKindAreIndexed()
{
    QFETCH(QVariant, id);
    QFETCH(QVariant, sameId);
    QFETCH(QVariant, otherId);
    zkItemModel model;
    zkModelTester tester(&model);
    auto *item = new IdItem(id);
    auto *other = new IdItem(otherId);
    model.addChild(item);
    model.addChild(other);
    QVERIFY(model.findItemById(sameId) == item && model.findItemById(otherId) == other);
    // A fresh item with an equal id takes the row over.
    auto *fresh = new IdItem(sameId);
    model.addChild(fresh);
    QVERIFY(model.rowCount() == 2 && model.findItemById(id) == fresh && model.findItemById(otherId) == other);
}

void tst_zkItemModel::unknownInternalIdGivesNeutralResults()
{
    zkTestFixture f(QStringLiteral("1 2[21] 3"));
    const QModelIndex stale = f.indexOf(2);
    f.root->removeChild(1);
    f.root->addChild(new zkTestItem(&f.scene, 4)); // internal ids are never reused
    QMimeData empty;
    empty.setData(zkTestModel::mimeType(), QByteArray());
    zkModelItem *item = nullptr;
    zkCapturedOutput err(stderr);
    const QVariantList results {
        f.model.index(0, 0, stale).isValid(),
        f.model.parent(stale).isValid(),
        f.model.rowCount(stale),
        f.model.columnCount(stale),
        f.model.data(stale),
        f.model.setData(stale, 1),
        int(f.model.flags(stale)),
        f.model.tryGetItem(stale, item) || item,
        std::unique_ptr<QMimeData>(f.model.mimeData({stale}))->data(zkTestModel::mimeType()).size(),
        f.model.canDropMimeData(&empty, Qt::MoveAction, -1, 0, stale),
        f.model.dropMimeData(&empty, Qt::MoveAction, -1, 0, stale)};
    QCOMPARE(results, (QVariantList{false, false, 0, 1, QVariant(), false, 0, false, 0, false, false}));
    // Once per question.
    QCOMPARE(
        err.take(),
        QByteArray("Invalid index row:1 id:0x" + QByteArray::number(qulonglong(stale.internalId()), 16)).repeated(11));
}

void tst_zkItemModel::mimeData()
{
    zkTestFixture f(QStringLiteral("1 2 3"), 3);
    QModelIndexList selection;
    for (int row : {2, 0}) {
        for (int column = 0; column < 3; ++column)
            selection.append(f.model.index(row, column));
    }
    const std::unique_ptr<QMimeData> data(f.model.mimeData(selection));
    QVERIFY(f.model.mimeTypes() == QStringList{zkTestModel::mimeType()} && data->formats() == f.model.mimeTypes());
    QCOMPARE(data->data(zkTestModel::mimeType()), payload({3, 1}));

    // A model without a type of its own drags under the default type and accepts no drop.
    zkTestFixture plain(QStringLiteral("1 2"), 1, false);
    const std::unique_ptr<QMimeData> own(plain.model.mimeData({plain.indexOf(2)}));
    QCOMPARE(plain.model.mimeTypes(), QStringList{QStringLiteral("application/zelk-abstract-item")});
    QCOMPARE(own->data(QStringLiteral("application/zelk-abstract-item")), payload({2}));
    QVERIFY(!plain.model.canDropMimeData(own.get(), Qt::MoveAction, 0, 0, QModelIndex()));
    QVERIFY(!plain.model.dropMimeData(own.get(), Qt::MoveAction, 0, 0, QModelIndex()));
}

void tst_zkItemModel::drop_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("action");
    QTest::addColumn<quint64>("target"); // 0: empty space
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("accepts"); // what canDropMimeData answers
    QTest::addColumn<bool>("drops"); // what dropMimeData answers
    QTest::addColumn<QString>("expected");

    const QString own = zkTestModel::mimeType();
    const int move = Qt::MoveAction;
    const QByteArray two = payload({11, 12});
    const QString same = QStringLiteral("1[11 12 13] 2 3");
    QTest::newRow("at row 2") << own << two << move << quint64(0) << 2 << true << true << "1[13] 2 11 12 3";
    QTest::newRow("appended") << own << two << move << quint64(0) << -1 << true << true << "1[13] 2 3 11 12";
    QTest::newRow("copy moves too") << own << two << int(Qt::CopyAction) << quint64(0) << -1 << true << true
                                    << "1[13] 2 3 11 12";
    QTest::newRow("vetoed") << own << payload({11, 2}) << move << quint64(3) << -1 << false << true
                            << "1[12 13] 3[11 2]";
    QTest::newRow("unknown id") << own << payload({99, 11}) << move << quint64(2) << -1 << false << true
                                << "1[12 13] 2[11] 3";
    QTest::newRow("empty payload") << own << QByteArray() << move << quint64(0) << 0 << true << true << same;
    // A payload cut short is refused whole: the id before the cut does not move either.
    QTest::newRow("truncated") << own << two.left(two.size() - 3) << move << quint64(2) << -1 << false << false
                               << same;
    QTest::newRow("garbage") << own << QByteArray("\xff\xff\xff\x7f garbage", 12) << move << quint64(2) << -1 << false
                             << false << same;
    QTest::newRow("ignore action") << own << two << int(Qt::IgnoreAction) << quint64(0) << -1 << true << false << same;
    QTest::newRow("foreign type") << QStringLiteral("text/plain") << two << move << quint64(2) << -1 << false << false
                                  << same;
    QTest::newRow("type differs in case") << own.toUpper() << two << move << quint64(2) << -1 << false << false << same;
    QTest::newRow("external onto item") << zkTestModel::externalType() << two << move << quint64(2) << -1 << true
                                        << false << same;
    QTest::newRow("external onto space") << zkTestModel::externalType() << two << move << quint64(0) << -1 << false
                                         << false << same;
}

void tst_zkItemModel::drop()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(int, action);
    QFETCH(quint64, target);
    QFETCH(int, row);
    QFETCH(bool, accepts);
    QFETCH(bool, drops);
    QFETCH(QString, expected);

    zkTestFixture f(QStringLiteral("1[11 12 13] 2 3"));
    f.scene.undroppable.insert(2);
    QMimeData data;
    data.setData(format, bytes);
    zkCapturedLog log;
    QVERIFY(!f.model.canDropMimeData(nullptr, Qt::MoveAction, -1, 0, f.indexOf(target)));
    QCOMPARE(f.model.canDropMimeData(&data, Qt::DropAction(action), row, 0, f.indexOf(target)), accepts);
    QCOMPARE(f.model.dropMimeData(&data, Qt::DropAction(action), row, 0, f.indexOf(target)), drops);
    QCOMPARE(zkDumpModel(f.model), expected);
}

void tst_zkItemModel::randomRefreshes_data()
{
    QTest::addColumn<quint32>("seed");
    // Moved rows below rows the proxy hides once left it mapping them to stale rows.
    QTest::newRow("moves below hidden rows") << quint32(4);
    QTest::newRow("random") << (qEnvironmentVariableIsSet("ZK_RANDOM_SEED") ? qgetenv("ZK_RANDOM_SEED").toUInt()
                                                                           : quint32(std::random_device()()));
}

// Random refreshes, each giving an item a new child list (some children dropped, the rest
// reordered, new ids, sometimes an id from elsewhere), under QAbstractItemModelTester over the
// model and a recursively filtering, sorted proxy. The model must show what a fresh model shows,
// and each row of the proxy must map to its source row. The proxy filters again only what the
// source reports as inserted or changed, so a match appearing deep below a hidden row shows with
// the next re-filtering; re-filtered, it must show what a fresh proxy shows.
void tst_zkItemModel::randomRefreshes()
{
    QFETCH(quint32, seed);
    qInfo("ZK_RANDOM_SEED=%u", seed);
    std::mt19937 random(seed);
    const auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    zkTestFixture f(QStringLiteral("1[2 3[4 5]] 6 7[8 9]"));
    QSignalSpy resetSpy(&f.model, &QAbstractItemModel::modelAboutToBeReset);
    zkProxyModel proxy;
    proxy.setSourceModel(&f.model);
    proxy.setRecursiveMatchingEnabled(true);
    proxy.sort(0);
    zkModelTester tester(&proxy);
    const std::function<void(quint64)> purge = [&](quint64 id) {
        for (quint64 child : f.scene.children.take(id))
            purge(child);
    };
    quint64 nextId = 10;
    for (int step = 0; step < 2000; ++step) {
        QList<quint64> ids{0}; // in id order, so that a seed replays whatever the hash seed
        for (const QList<quint64> &children : qAsConst(f.scene.children))
            ids += children;
        std::sort(ids.begin(), ids.end());
        const quint64 id = ids.at(pick(ids.size()));
        const quint64 moved = ids.at(pick(ids.size()));
        QList<quint64> list = f.scene.children.value(id);
        std::shuffle(list.begin(), list.end(), random);
        for (const quint64 child : f.scene.children.value(id)) {
            if (pick(5) == 0 && child != moved && list.removeOne(child))
                purge(child);
        }
        quint64 above = id;
        while (above != moved && above != zkTestScene::none)
            above = f.scene.parentOf(above);
        if (pick(3) == 0 && above != moved && !list.contains(moved)) {
            f.scene.unlink(moved);
            list.insert(pick(list.size() + 1), moved);
        }
        for (int fresh = pick(ids.size() > 150 ? 2 : 4); fresh > 0; --fresh)
            list.insert(pick(list.size() + 1), nextId++);
        f.scene.children[id] = list;
        if (pick(10) == 0)
            proxy.setFilterRegExp(QRegExp(QString::number(pick(10))));
        pick(3) ? static_cast<zkTestItem *>(f.item(id))->reload() : f.model.reload();

        zkTestModel model;
        model.setRootItem(new zkTestItem(&f.scene, 0));
        QCOMPARE(zkDumpModel(f.model), zkDumpModel(model));
        zkProxyModel fresh;
        fresh.setSourceModel(&f.model);
        fresh.setRecursiveMatchingEnabled(true);
        fresh.setFilterRegExp(proxy.filterRegExp());
        fresh.sort(0);
        QCOMPARE(zkDumpSourceRows(proxy), zkDumpModel(proxy));
        if (step % 20 == 19) {
            proxy.invalidate();
            QCOMPARE(zkDumpModel(proxy), zkDumpModel(fresh));
        }
    }
    QVERIFY(resetSpy.isEmpty());
}

QTEST_MAIN(tst_zkItemModel)
#include "tst_zkItemModel.moc"
