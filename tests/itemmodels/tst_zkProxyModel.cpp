#include "zkTestTree.h"

#include <zkItemDataRole.h>
#include <zkProxyModel.h>

#include <QRegExp>
#include <QtTest>

// Counts how often the first top-level row is filtered: once per re-filtering of the proxy.
class CountingProxy : public zkProxyModel
{
public:
    mutable int refilters = 0;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override
    {
        refilters += sourceRow == 0 && !sourceParent.isValid();
        return zkProxyModel::filterAcceptsRow(sourceRow, sourceParent);
    }
};

using Setter = std::function<void(zkProxyModel &)>;
Q_DECLARE_METATYPE(Setter)

class tst_zkProxyModel : public QObject
{
    Q_OBJECT
private slots:
    void matching_data();
    void matching();
    void setters_data();
    void setters();
};

void tst_zkProxyModel::matching_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QList<int>>("types"); // {-1}: type filtering off
    QTest::addColumn<bool>("recursive");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("expected");

    const QList<int> off{-1};
    QTest::newRow("empty expression shows all") << "" << off << false << false << "1[11 12[121]] 2[21] 30 40 50 60";
    QTest::newRow("subtree of a match stays") << "^2$" << off << false << false << "2[21]";
    QTest::newRow("deep match hidden") << "^12$" << off << false << false << "";
    QTest::newRow("deep match shows its ancestors") << "^12$" << off << true << false << "1[12[121]]";
    QTest::newRow("deepest match") << "^121$" << off << true << false << "1[12[121]]";
    QTest::newRow("substring, recursive") << "2" << off << true << false << "1[12[121]] 2[21]";
    QTest::newRow("empty type list") << "" << QList<int>() << true << false << "";
    QTest::newRow("type") << "" << QList<int>{1} << false << false << "1[11 12[121]]";
    QTest::newRow("type and name") << "2" << QList<int>{1} << false << false << "";
    QTest::newRow("type and name, recursive") << "2" << QList<int>{1} << true << false << "1[12[121]] 2[21]";
    QTest::newRow("invalid types fail") << "" << QList<int>{0} << false << false << "30 40";
    QTest::newRow("sorted") << "" << off << false << true << "60 50 40 30 2[21] 1[12[121] 11]";
    QTest::newRow("sorted, recursive") << "2" << off << true << true << "2[21] 1[12[121]]";
}

void tst_zkProxyModel::matching()
{
    QFETCH(QString, pattern);
    QFETCH(QList<int>, types);
    QFETCH(bool, recursive);
    QFETCH(bool, descending);
    QFETCH(QString, expected);

    zkTestScene scene = zkTestScene::parse(QStringLiteral("1[11 12[121]] 2[21] 30 40 50 60"));
    // Kinds are the ids' last digits, except that 40 holds "0" as text, 50 "zero" and 60 nothing.
    scene.afterUpdate = [](zkTestItem *item) {
        const QHash<quint64, QVariant> odd{{40, QStringLiteral("0")}, {50, QStringLiteral("zero")}, {60, QVariant()}};
        item->setData(zkItemDataRole::Kind, odd.value(item->id(), int(item->id() % 10)));
    };
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    zkProxyModel proxy;
    proxy.setSourceModel(&model);
    zkModelTester sourceTester(&model);
    zkModelTester tester(&proxy);
    proxy.setFilterRegExp(QRegExp(pattern));
    proxy.setTypeFilter(types);
    proxy.setTypeFilteringEnabled(types != QList<int>{-1});
    proxy.setRecursiveMatchingEnabled(recursive);
    proxy.sort(descending ? 0 : -1, Qt::DescendingOrder);
    QCOMPARE(zkDumpModel(proxy), expected);
    QCOMPARE(zkDumpSourceRows(proxy), expected);

    // Exactly the shown rows map from the source.
    int mapped = 0;
    for (const QModelIndex &source :
         model.match(model.index(0, 0), Qt::DisplayRole, QString(), -1, Qt::MatchContains | Qt::MatchRecursive))
        mapped += proxy.mapFromSource(source).isValid();
    QCOMPARE(mapped, expected.split(QRegExp(QStringLiteral("[\\[\\] ]")), Qt::SkipEmptyParts).size());
}

void tst_zkProxyModel::setters_data()
{
    QTest::addColumn<Setter>("setter");
    QTest::addColumn<int>("refilters");
    QTest::addColumn<QString>("expected");

    // Starting from: filter "^12$", type list {1}, type filtering and recursive matching off.
    QTest::newRow("recursive on") << Setter([](zkProxyModel &p) { p.setRecursiveMatchingEnabled(true); }) << 1
                                  << "1[12[121]]";
    QTest::newRow("recursive already off") << Setter([](zkProxyModel &p) { p.setRecursiveMatchingEnabled(false); })
                                         << 0 << "";
    QTest::newRow("same type list twice") << Setter([](zkProxyModel &p) {
        p.setTypeFilteringEnabled(true);
        p.setTypeFilter({2});
        p.setTypeFilter({2});
    }) << 2 << "";
    QTest::newRow("type list while off") << Setter([](zkProxyModel &p) { p.setTypeFilter({2}); }) << 0 << "";
    QTest::newRow("type role with the next re-filtering") << Setter([](zkProxyModel &p) {
        p.setTypeRole(Qt::DisplayRole); // the names as types: only "1" is in the list
        QCOMPARE(p.getTypeRole(), int(Qt::DisplayRole));
        p.setFilterRegExp(QRegExp());
        p.setTypeFilteringEnabled(true);
    }) << 2 << "1[11 12[121]]";
}

// Each relevant change re-filters the proxy once, through filterAcceptsRow(); nothing else does.
void tst_zkProxyModel::setters()
{
    QFETCH(Setter, setter);
    QFETCH(int, refilters);
    QFETCH(QString, expected);

    zkTestScene scene = zkTestScene::parse(QStringLiteral("1[11 12[121]] 2[21]"));
    scene.afterUpdate = [](zkTestItem *item) { item->setData(zkItemDataRole::Kind, int(item->id() % 10)); };
    zkTestModel model;
    model.setRootItem(new zkTestItem(&scene, 0));
    CountingProxy proxy;
    proxy.setSourceModel(&model);
    zkModelTester tester(&proxy);
    proxy.setTypeFilter({1});
    proxy.setFilterRegExp(QRegExp(QStringLiteral("^12$")));
    proxy.refilters = 0;
    setter(proxy);
    QCOMPARE(proxy.refilters, refilters);
    QCOMPARE(zkDumpModel(proxy), expected);
}

QTEST_MAIN(tst_zkProxyModel)
#include "tst_zkProxyModel.moc"
