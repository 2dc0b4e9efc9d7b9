#include "zkTestTree.h"

#include <zkItemDataMap.h>

#include <QSignalSpy>
#include <QtTest>

namespace {

// An item whose edits of one role are vetoed.
class VetoItem : public zkModelItem
{
public:
    int vetoedRole = -1;

protected:
    bool canSetData(int role, const QVariant &, int) override { return role != vetoedRole; }
};

} // namespace

class tst_zkModelItem : public QObject
{
    Q_OBJECT
private slots:
    void dataMap_data();
    void dataMap();
    void flags();
    void setData();
    void getCheckState_data();
    void getCheckState();
    void insertChildClampsPosition_data();
    void insertChildClampsPosition();
    void moveWithinParent_data();
    void moveWithinParent();
    void ignoresNullSelfAndAncestors();
    void childCountPopulatesOnce();
    void setChildrenKeepsDroppedRowsUntilEditCloses();
    void setChildrenTwiceInOneEdit();
    void detachedItemChangesSilently();
    void takeChildDetachesSubtree();
    void populatedItemReplacesItemWithSameId();
};

void tst_zkModelItem::dataMap_data()
{
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<QVariant>("second");
    QTest::addColumn<bool>("secondChanges");

    QTest::newRow("equal text") << QVariant(QStringLiteral("a")) << QVariant(QStringLiteral("a")) << false;
    QTest::newRow("other text") << QVariant(QStringLiteral("a")) << QVariant(QStringLiteral("b")) << true;
    QTest::newRow("invalid twice") << QVariant() << QVariant() << false;
    QTest::newRow("value to invalid") << QVariant(3) << QVariant() << true;
}

void tst_zkModelItem::dataMap()
{
    QFETCH(QVariant, first);
    QFETCH(QVariant, second);
    QFETCH(bool, secondChanges);

    zkItemDataMap map;
    QVERIFY(map.insertOrModify(1, Qt::DisplayRole, first));
    QCOMPARE(map.insertOrModify(1, Qt::DisplayRole, second), secondChanges);
    QCOMPARE(map.find(1, Qt::DisplayRole), second);
    // Column and role are kept apart.
    QVERIFY(!map.find(Qt::DisplayRole, 1).isValid());
    QVERIFY(!map.find(-1, Qt::DisplayRole).isValid());
}

void tst_zkModelItem::flags()
{
    zkTestFixture f(QStringLiteral("1"));
    zkModelItem *item = f.item(1);
    auto *fresh = new zkModelItem;
    f.root->addChild(fresh);
    QCOMPARE(int(f.model.flags(f.model.index(1, 0))), 0x33);
    QVERIFY(!fresh->getEditable(1));

    item->setCheckable(false);
    item->setEditable(false);
    QCOMPARE(int(f.model.flags(f.indexOf(1))), 0x21 | 4 | 8);
    // Empty space takes drops exactly when the root does.
    QCOMPARE(int(f.model.flags(QModelIndex())), int(Qt::ItemIsDropEnabled));
}

void tst_zkModelItem::setData()
{
    zkTestFixture f(QStringLiteral("1"));
    zkModelItem *item = f.item(1);
    QSignalSpy spy(&f.model, &QAbstractItemModel::dataChanged);

    QVERIFY(item->setData(Qt::EditRole, QStringLiteral("edited"), 0));
    QCOMPARE(item->data(Qt::DisplayRole, 0).toString(), QStringLiteral("edited"));
    QCOMPARE(f.model.data(f.indexOf(1), Qt::EditRole).toString(), QStringLiteral("edited"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(2).value<QVector<int>>(), QVector<int>{Qt::DisplayRole});
    // An equal value is accepted without a notice.
    QVERIFY(item->setData(Qt::DisplayRole, QStringLiteral("edited"), 0));
    QCOMPARE(spy.count(), 1);

    VetoItem vetoing;
    vetoing.setToolTip(QStringLiteral("kept"));
    vetoing.vetoedRole = Qt::ToolTipRole;
    QVERIFY(!vetoing.setData(Qt::ToolTipRole, QStringLiteral("refused"), 0));
    QCOMPARE(vetoing.getToolTip(), QStringLiteral("kept"));
}

void tst_zkModelItem::getCheckState_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("absent") << QVariant() << int(Qt::Unchecked);
    QTest::newRow("int") << QVariant(int(Qt::Checked)) << int(Qt::Checked);
    QTest::newRow("enum") << QVariant::fromValue(Qt::PartiallyChecked) << int(Qt::PartiallyChecked);
    QTest::newRow("not a number") << QVariant(QStringLiteral("yes")) << int(Qt::Unchecked);
    QTest::newRow("out of range") << QVariant(7) << int(Qt::Unchecked);
}

void tst_zkModelItem::getCheckState()
{
    QFETCH(QVariant, stored);
    QFETCH(int, expected);

    zkModelItem item;
    item.setData(Qt::CheckStateRole, stored, 0);
    QCOMPARE(int(item.getCheckState()), expected);
}

void tst_zkModelItem::insertChildClampsPosition_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    QTest::newRow("negative") << -1 << "1 2 9";
    QTest::newRow("far beyond") << 1000 << "1 2 9";
    QTest::newRow("front") << 0 << "9 1 2";
    QTest::newRow("middle") << 1 << "1 9 2";
}

void tst_zkModelItem::insertChildClampsPosition()
{
    QFETCH(int, row);
    QFETCH(QString, expected);

    zkTestFixture f(QStringLiteral("1 2"));
    f.root->insertChild(row, new zkTestItem(&f.scene, 9));
    QCOMPARE(zkDumpItems(f.root), expected);
    QCOMPARE(zkDumpModel(f.model), expected);
}

void tst_zkModelItem::moveWithinParent_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("moves");

    QTest::newRow("onto own next position") << 1 << 2 << "1 2 3 4" << 0;
    QTest::newRow("onto own position") << 1 << 1 << "1 2 3 4" << 0;
    QTest::newRow("two down lands one down") << 1 << 3 << "1 3 2 4" << 1;
    QTest::newRow("down to the end") << 0 << 4 << "2 3 4 1" << 1;
    QTest::newRow("last to the end") << 3 << -1 << "1 2 3 4" << 0;
    QTest::newRow("up") << 2 << 0 << "3 1 2 4" << 1;
}

void tst_zkModelItem::moveWithinParent()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);
    QFETCH(int, moves);

    zkTestFixture f(QStringLiteral("1 2 3 4"));
    zkModelItem *moved = f.root->child(from);
    const QPersistentModelIndex persistent = f.model.index(from, 0);
    QSignalSpy moveSpy(&f.model, &QAbstractItemModel::rowsMoved);

    f.root->insertChild(to, moved);

    QCOMPARE(zkDumpItems(f.root), expected);
    QCOMPARE(moveSpy.count(), moves);
    QCOMPARE(persistent.row(), moved->getChildIndex());
    for (int row = 0; row < 4; ++row)
        QCOMPARE(f.root->child(row)->getChildIndex(), row);
}

void tst_zkModelItem::ignoresNullSelfAndAncestors()
{
    zkTestFixture f(QStringLiteral("1[2[3]]"));
    zkModelItem *one = f.item(1);
    zkModelItem *three = f.item(3);

    one->addChild(nullptr);
    one->addChild(one);
    three->addChild(one);
    three->insertChild(0, f.root);

    QCOMPARE(zkDumpItems(f.root), QStringLiteral("1[2[3]]"));
    QVERIFY(!one->child(-1));
    QVERIFY(!one->child(1));
}

void tst_zkModelItem::childCountPopulatesOnce()
{
    zkTestScene scene = zkTestScene::parse(QStringLiteral("1[11 12 13]"));
    zkTestModel model;
    auto *root = new zkTestItem(&scene, 0);
    model.setRootItem(root);
    QVERIFY(!root->child(0));
    QCOMPARE(root->childCount(), 1);
    auto *one = static_cast<zkTestItem *>(root->child(0));
    QCOMPARE(one->updateCount(), 0);
    QSignalSpy insertSpy(&model, &QAbstractItemModel::rowsInserted);

    QCOMPARE(one->childCount(), 3);
    QCOMPARE(one->childCount(), 3);
    QCOMPARE(one->updateCount(), 1);
    // A lazy population is silent: the asking view reads the final count.
    QCOMPARE(insertSpy.count(), 0);
}

void tst_zkModelItem::setChildrenKeepsDroppedRowsUntilEditCloses()
{
    zkTestFixture f(QStringLiteral("1 2 3 4 5"));
    f.scene.children[0] = {3, 1};
    QString duringEdit;
    f.root->afterUpdate = [&](zkTestItem *item) { duringEdit = zkDumpItems(item); };
    QSignalSpy removeSpy(&f.model, &QAbstractItemModel::rowsRemoved);

    f.root->reload();

    QCOMPARE(duringEdit, QStringLiteral("3 1 2 4 5"));
    QCOMPARE(zkDumpItems(f.root), QStringLiteral("3 1"));
    // One run, taken from the back.
    QCOMPARE(removeSpy.count(), 1);
    QCOMPARE(removeSpy.at(0).at(1).toInt(), 2);
    QCOMPARE(removeSpy.at(0).at(2).toInt(), 4);
}

void tst_zkModelItem::setChildrenTwiceInOneEdit()
{
    // A first, partial list inside the same edit must not make the final one lose rows.
    zkTestFixture f(QStringLiteral("1 2 3"));
    f.scene.children[0] = {1, 4, 3};
    bool first = true;
    f.root->afterUpdate = [&](zkTestItem *item) {
        if (!std::exchange(first, false))
            return;
        item->setChildren({new zkTestItem(&f.scene, 1)});
        item->setChildren({new zkTestItem(&f.scene, 1), new zkTestItem(&f.scene, 4), new zkTestItem(&f.scene, 3)});
    };
    f.root->reload();
    QCOMPARE(zkDumpModel(f.model), QStringLiteral("1 4 3"));
}

void tst_zkModelItem::detachedItemChangesSilently()
{
    zkModelItem parent;
    auto *a = new zkModelItem;
    auto *b = new zkModelItem;
    parent.addChild(a);
    parent.insertChild(0, b);
    parent.insertChild(0, new zkModelItem);
    QCOMPARE(a->getChildIndex(), 2);

    parent.setChildren({a, b});
    QCOMPARE(parent.childCount(), 2);
    QCOMPARE(parent.child(0), a);
    parent.removeChild(5);
    parent.removeChild(0);
    QCOMPARE(b->getChildIndex(), 0);
    parent.clear();
    QCOMPARE(parent.childCount(), 0);
}

void tst_zkModelItem::takeChildDetachesSubtree()
{
    zkTestFixture f(QStringLiteral("1[11[111]] 2"));
    QSignalSpy removeSpy(&f.model, &QAbstractItemModel::rowsRemoved);

    QVERIFY(!f.root->takeChild(2));
    const std::unique_ptr<zkModelItem> taken(f.root->takeChild(0));

    QCOMPARE(removeSpy.count(), 1);
    QVERIFY(!taken->getParent());
    QVERIFY(!taken->child(0)->child(0)->getModel());
    QVERIFY(!f.item(111));
    QCOMPARE(zkDumpModel(f.model), QStringLiteral("2"));
    QCOMPARE(f.item(2)->getChildIndex(), 0);

    const QList<zkModelItem *> children = taken->takeChildren();
    QCOMPARE(children.size(), 1);
    QVERIFY(!children.first()->getParent());
    qDeleteAll(children);
}

void tst_zkModelItem::populatedItemReplacesItemWithSameId()
{
    zkTestFixture f(QStringLiteral("1[11 12] 2"));
    zkModelItem *taken = f.root->takeChild(0);
    f.scene.children[1] = {13};
    f.root->reload();
    QCOMPARE(zkDumpModel(f.model), QStringLiteral("1[13] 2"));
    const QPersistentModelIndex one = f.model.index(0, 0);
    QSignalSpy removeSpy(&f.model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy insertSpy(&f.model, &QAbstractItemModel::rowsInserted);

    // The taken item, populated with rows of its own, takes the place of the fresh item 1.
    f.item(2)->addChild(taken);

    QCOMPARE(zkDumpModel(f.model), QStringLiteral("2[1[11 12]]"));
    QCOMPARE(f.item(1), taken);
    QCOMPARE(removeSpy.count(), 1);
    QCOMPARE(insertSpy.count(), 2);
    QCOMPARE(one.parent().data().toString(), QStringLiteral("2"));
}

QTEST_MAIN(tst_zkModelItem)
#include "tst_zkModelItem.moc"
