#include <QZKSortFilterProxyModel.h>

#include <QtTest>

class tst_QZKSortFilterProxyModel : public QObject
{
    Q_OBJECT
private slots:
    void naturalCompare_data();
    void naturalCompare();
    void sortsNaturally_data();
    void sortsNaturally();
};

void tst_QZKSortFilterProxyModel::naturalCompare_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");

    QTest::newRow("numbers by value") << "item2" << "item10" << -1;
    QTest::newRow("case ignored, numbers") << "Light 9" << "light 10" << -1;
    QTest::newRow("prefix first") << "Light" << "Light 1" << -1;
    QTest::newRow("digits before letters") << "1a" << "a1" << -1;
    QTest::newRow("leading zeros by value") << "v010" << "v9" << 1;
    QTest::newRow("case breaks ties") << "a" << "A" << 1;
    QTest::newRow("zeros break ties") << "v01" << "v1" << -1;
    QTest::newRow("long numbers") << "x99999999999999999999" << "x100000000000000000000" << -1;
}

void tst_QZKSortFilterProxyModel::naturalCompare()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);

    QCOMPARE(QZKSortFilterProxyModel::naturalCompare(a, b), expected);
    QCOMPARE(QZKSortFilterProxyModel::naturalCompare(b, a), -expected);
}

void tst_QZKSortFilterProxyModel::sortsNaturally_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QStringList>("sorted");

    QTest::newRow("texts") << QVariantList{"Node 10", "node 2", "Node 1", "alpha"}
                           << QStringList{"alpha", "Node 1", "node 2", "Node 10"};
    QTest::newRow("numbers") << QVariantList{1.5, 1.25, 10, -2} << QStringList{"-2", "1.25", "1.5", "10"};
}

void tst_QZKSortFilterProxyModel::sortsNaturally()
{
    QFETCH(QVariantList, values);
    QFETCH(QStringList, sorted);

    QStandardItemModel source;
    for (const QVariant &value : values) {
        auto *item = new QStandardItem;
        item->setData(value, Qt::DisplayRole);
        source.appendRow(item);
    }
    QZKSortFilterProxyModel proxy;
    proxy.setSourceModel(&source);
    proxy.sort(0);

    QStringList result;
    for (int row = 0; row < proxy.rowCount(); ++row)
        result << proxy.index(row, 0).data().toString();
    QCOMPARE(result, sorted);
}

QTEST_GUILESS_MAIN(tst_QZKSortFilterProxyModel)
#include "tst_QZKSortFilterProxyModel.moc"
