#include "zkTestTree.h"

#include <zkProxyModel.h>

#include <QAbstractItemModelTester>
#include <QRegExp>
#include <QtTest>

#include <functional>

// Changes the scene, then lets the model follow.
using SceneChange = std::function<void(zkTestScene &, zkTestModel &)>;
Q_DECLARE_METATYPE(SceneChange)

namespace {

class CountingProxy : public zkProxyModel
{
public:
    mutable int filterCalls = 0;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override
    {
        ++filterCalls;
        return zkProxyModel::filterAcceptsRow(sourceRow, sourceParent);
    }
};

// Kinds are the ids' last digits.
zkTestScene sceneWithKinds(const QString &tree)
{
    zkTestScene scene = zkTestScene::parse(tree);
    for (const QList<quint64> &children : qAsConst(scene.children)) {
        for (quint64 id : children)
            scene.kinds.insert(id, int(id % 10));
    }
    return scene;
}

} // namespace

class tst_zkProxyModel : public QObject
{
    Q_OBJECT
private slots:
    void matching_data();
    void matching();
    void invalidTypeValuesFailTheTypeTest_data();
    void invalidTypeValuesFailTheTypeTest();
    void settersRefilterOnlyOnChange();
    void recursiveSearchPopulatesLazyItems();
    void followsChangesAboveAndBelow_data();
    void followsChangesAboveAndBelow();
    void rowsBelowFilteredOutParentsAreNotMapped();
};

void tst_zkProxyModel::matching_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("typeFiltering");
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<bool>("recursive");
    QTest::addColumn<QString>("expected");

    const QList<int> none;
    QTest::newRow("empty expression shows all") << "" << false << none << false << "1[11 12[121]] 2[21] 3";
    QTest::newRow("subtree of a match stays") << "^2$" << false << none << false << "2[21]";
    QTest::newRow("deep match hidden without recursion") << "^12$" << false << none << false << "";
    QTest::newRow("deep match shows its ancestors") << "^12$" << false << none << true << "1[12[121]]";
    QTest::newRow("deepest match") << "^121$" << false << none << true << "1[12[121]]";
    QTest::newRow("substring matches") << "2" << false << none << false << "2[21]";
    QTest::newRow("substring matches, recursive") << "2" << false << none << true << "1[12[121]] 2[21]";
    QTest::newRow("empty type list matches nothing") << "" << true << none << false << "";
    QTest::newRow("empty type list, recursive") << "" << true << none << true << "";
    QTest::newRow("type filter") << "" << true << QList<int>{1} << false << "1[11 12[121]]";
    QTest::newRow("type and name, flat") << "2" << true << QList<int>{1} << false << "";
    QTest::newRow("type and name, recursive") << "2" << true << QList<int>{1} << true << "1[12[121]] 2[21]";
    QTest::newRow("type filter off ignores types") << "^3$" << false << QList<int>{1} << false << "3";
}

void tst_zkProxyModel::matching()
{
    QFETCH(QString, pattern);
    QFETCH(bool, typeFiltering);
    QFETCH(QList<int>, types);
    QFETCH(bool, recursive);
    QFETCH(QString, expected);

    zkTestScene scene = sceneWithKinds(QStringLiteral("1[11 12[121]] 2[21] 3"));
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    zkProxyModel proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester proxyTester(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);

    proxy.setFilterRegExp(QRegExp(pattern));
    proxy.setTypeFilter(types);
    proxy.setTypeFilteringEnabled(typeFiltering);
    proxy.setRecursiveMatchingEnabled(recursive);

    QCOMPARE(zkDumpModel(proxy), expected);
}

void tst_zkProxyModel::invalidTypeValuesFailTheTypeTest_data()
{
    QTest::addColumn<QVariant>("kind");
    QTest::addColumn<bool>("shown");

    QTest::newRow("int") << QVariant(0) << true;
    QTest::newRow("numeric text") << QVariant(QStringLiteral("0")) << true;
    QTest::newRow("absent") << QVariant() << false;
    QTest::newRow("not a number") << QVariant(QStringLiteral("zero")) << false;
}

void tst_zkProxyModel::invalidTypeValuesFailTheTypeTest()
{
    QFETCH(QVariant, kind);
    QFETCH(bool, shown);

    zkItemModel model;
    auto *item = new zkModelItem;
    item->setText(QStringLiteral("item"));
    item->setData(zkItemDataRole::Kind, kind, 0);
    model.addChild(item);
    zkProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setTypeFilter({0});
    proxy.setTypeFilteringEnabled(true);
    QCOMPARE(proxy.rowCount(), shown ? 1 : 0);

    // The type is read from the type role only.
    proxy.setTypeRole(Qt::UserRole + 7);
    QCOMPARE(proxy.getTypeRole(), Qt::UserRole + 7);
    proxy.invalidate();
    QCOMPARE(proxy.rowCount(), 0);
}

void tst_zkProxyModel::settersRefilterOnlyOnChange()
{
    zkTestScene scene = sceneWithKinds(QStringLiteral("1 2 3"));
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    CountingProxy proxy;
    proxy.setSourceModel(&model);
    QCOMPARE(proxy.rowCount(), 3);
    const auto calls = [&proxy] {
        const int count = proxy.filterCalls;
        proxy.filterCalls = 0;
        return count;
    };
    calls();

    proxy.setTypeFilter({1});
    QCOMPARE(calls(), 0); // type filtering is off
    proxy.setTypeFilteringEnabled(true);
    QVERIFY(calls() > 0);
    QCOMPARE(proxy.rowCount(), 1);
    proxy.setTypeFilteringEnabled(true);
    QCOMPARE(calls(), 0);
    proxy.setTypeFilter({1, 2});
    QVERIFY(calls() > 0);
    proxy.setTypeFilter({1, 2});
    QCOMPARE(calls(), 0);
    QCOMPARE(proxy.rowCount(), 2);
    proxy.setRecursiveMatchingEnabled(false);
    QCOMPARE(calls(), 0);
    proxy.setRecursiveMatchingEnabled(true);
    QVERIFY(calls() > 0);
    proxy.setTypeRole(Qt::UserRole + 1);
    QCOMPARE(calls(), 0);
    QCOMPARE(proxy.rowCount(), 2);
}

void tst_zkProxyModel::recursiveSearchPopulatesLazyItems()
{
    zkTestScene scene = zkTestScene::parse(QStringLiteral("1[11[111[1111]]] 2"));
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    zkProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterRegExp(QRegExp(QStringLiteral("1111")));
    QCOMPARE(proxy.rowCount(), 0);

    proxy.setRecursiveMatchingEnabled(true);
    QCOMPARE(proxy.rowCount(), 1);
    QVERIFY(model.findItemById(QVariant::fromValue(quint64(1111))));
    QCOMPARE(zkDumpModel(proxy), QStringLiteral("1[11[111[1111]]]"));
}

void tst_zkProxyModel::followsChangesAboveAndBelow_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<bool>("recursive");
    QTest::addColumn<QString>("before");
    QTest::addColumn<SceneChange>("change");
    QTest::addColumn<QString>("after");

    const auto rename = [](quint64 id, const char *name) {
        return SceneChange([id, name](zkTestScene &scene, zkTestModel &model) {
            scene.names[id] = QString::fromLatin1(name);
            model.reload();
        });
    };
    const auto move = [](quint64 id, quint64 to) {
        return SceneChange([id, to](zkTestScene &, zkTestModel &model) {
            model.findItemById(QVariant::fromValue(to))->insertChild(-1, model.findItemById(QVariant::fromValue(id)));
        });
    };
    // Names: 5 and 15 match the filter "5"; the others do not.
    QTest::newRow("ancestor starts matching") << "1[11[15] 12]" << true << "1[11[15]]" << rename(1, "51")
                                              << "51[11[15] 12]";
    QTest::newRow("ancestor stops matching") << "5[11[15] 12]" << true << "5[11[15] 12]" << rename(5, "6")
                                             << "6[11[15]]";
    QTest::newRow("ancestor stops matching, flat") << "5[11 12]" << false << "5[11 12]" << rename(5, "6") << "";
    QTest::newRow("match appears deep below") << "1[11] 2" << true << ""
                                              << SceneChange([](zkTestScene &scene, zkTestModel &model) {
                                                     scene.children[11] = {15};
                                                     model.reload();
                                                 })
                                              << "1[11[15]]";
    QTest::newRow("only match disappears") << "1[11[15]] 2" << true << "1[11[15]]"
                                           << SceneChange([](zkTestScene &scene, zkTestModel &model) {
                                                  scene.children[11].clear();
                                                  model.reload();
                                              })
                                           << "";
    QTest::newRow("match moves below a hidden row") << "1[11] 2[15]" << true << "2[15]" << move(15, 11) << "1[11[15]]";
    QTest::newRow("match moves between hidden rows") << "1[11 12[15]] 2" << false << "" << move(15, 11) << "";
    QTest::newRow("hidden row moves below a match") << "5 2[11]" << true << "5" << move(11, 5) << "5[11]";
}

void tst_zkProxyModel::followsChangesAboveAndBelow()
{
    QFETCH(QString, tree);
    QFETCH(bool, recursive);
    QFETCH(QString, before);
    QFETCH(SceneChange, change);
    QFETCH(QString, after);

    zkTestFixture f(tree);
    zkProxyModel proxy;
    proxy.setSourceModel(&f.model);
    proxy.setRecursiveMatchingEnabled(recursive);
    proxy.setFilterRegExp(QRegExp(QStringLiteral("5")));
    QAbstractItemModelTester proxyTester(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QCOMPARE(zkDumpModel(proxy), before);

    change(f.scene, f.model);

    QCOMPARE(zkDumpModel(proxy), after);
}

void tst_zkProxyModel::rowsBelowFilteredOutParentsAreNotMapped()
{
    zkTestScene scene = zkTestScene::parse(QStringLiteral("1[5] 2"));
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    zkProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterRegExp(QRegExp(QStringLiteral("5|2")));
    QCOMPARE(zkDumpModel(proxy), QStringLiteral("2"));

    const QModelIndex five = model.indexFromId(QVariant::fromValue(quint64(5)));
    QVERIFY(!proxy.mapFromSource(five).isValid());
    QVERIFY(!proxy.mapFromSource(five.parent()).isValid());
    QCOMPARE(proxy.mapFromSource(model.index(1, 0)).data().toString(), QStringLiteral("2"));
}

QTEST_MAIN(tst_zkProxyModel)
#include "tst_zkProxyModel.moc"
