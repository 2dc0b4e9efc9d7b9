#include <QZKImageUtils.h>
#include <QZKSortFilterProxyModel.h>

#include <QStandardItemModel>
#include <QtTest>

namespace {

QImage filled(const QSize &size, const QColor &color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

} // namespace

// The helpers of the item views: natural sorting and decoration overlays.
class tst_QZKItemViewHelpers : public QObject
{
    Q_OBJECT
private slots:
    void naturalCompare_data();
    void naturalCompare();
    void sortAndFilter_data();
    void sortAndFilter();
    void renderOverlay_data();
    void renderOverlay();
};

void tst_QZKItemViewHelpers::naturalCompare_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");

    QTest::newRow("case ignored, numbers") << "Light 9" << "light 10" << -1;
    QTest::newRow("prefix first") << "Light" << "Light 1" << -1;
    QTest::newRow("digits before letters") << "1a" << "a1" << -1;
    QTest::newRow("leading zeros by value") << "v010" << "v9" << 1;
    QTest::newRow("case breaks ties") << "a" << "A" << 1;
    QTest::newRow("zeros break ties") << "v01" << "v1" << -1;
    QTest::newRow("long numbers") << "x99999999999999999999" << "x100000000000000000000" << -1;
}

void tst_QZKItemViewHelpers::naturalCompare()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);

    QCOMPARE(QZKSortFilterProxyModel::naturalCompare(a, b), expected);
    QCOMPARE(QZKSortFilterProxyModel::naturalCompare(b, a), -expected);
}

void tst_QZKItemViewHelpers::sortAndFilter_data()
{
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("texts") << QVariantList{"Node 10", "node 2", "Node 1", "alpha"} << QString()
                           << QStringList{"alpha", "Node 1", "node 2", "Node 10"};
    QTest::newRow("numbers") << QVariantList{1.5, 1.25, 10, -2} << QString() << QStringList{"-2", "1.25", "1.5", "10"};
    QTest::newRow("filtered") << QVariantList{"Node 10", "Light 2", "node 2", "Node 1"} << "NODE"
                              << QStringList{"Node 1", "node 2", "Node 10"};
}

void tst_QZKItemViewHelpers::sortAndFilter()
{
    QFETCH(QVariantList, values);
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);

    QStandardItemModel source;
    QZKSortFilterProxyModel proxy;
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    proxy.setSourceModel(&source);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.setFilterFixedString(filter);
    proxy.sort(0);
    // Rows arriving after sorting and filtering started still find their place.
    for (const QVariant &value : values) {
        auto *item = new QStandardItem;
        item->setData(value, Qt::DisplayRole);
        source.appendRow(item);
    }

    QStringList result;
    for (int row = 0; row < proxy.rowCount(); ++row)
        result << proxy.index(row, 0).data().toString();
    QCOMPARE(result, shown);
    proxy.setFilterFixedString(QString());
    QCOMPARE(proxy.rowCount(), values.size());
}

void tst_QZKItemViewHelpers::renderOverlay_data()
{
    QTest::addColumn<QSize>("decorationSize");
    QTest::addColumn<QImage>("base");
    QTest::addColumn<QImage>("overlay");
    QTest::addColumn<QSize>("resultSize");
    // The colours at the top-left and bottom-right corners; transparent where nothing is drawn.
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");

    const QColor red(Qt::red), blue(Qt::blue), none(Qt::transparent);
    const QSize size(64, 64);
    QTest::newRow("both") << size << filled({32, 32}, red) << filled({16, 16}, blue) << size << red << blue;
    QTest::newRow("no base") << size << QImage() << filled({16, 16}, blue) << size << none << blue;
    QTest::newRow("neither") << size << QImage() << QImage() << size << none << none;
    QTest::newRow("wide base keeps its aspect") << size << filled({64, 32}, red) << QImage() << size << none << none;
    QTest::newRow("overlay larger than result")
            << QSize(16, 16) << QImage() << filled({32, 32}, blue) << QSize(16, 16) << blue << blue;
    QTest::newRow("no decoration size") << QSize() << filled({20, 10}, red) << QImage() << QSize(20, 10) << red << red;
}

void tst_QZKItemViewHelpers::renderOverlay()
{
    QFETCH(QSize, decorationSize);
    QFETCH(QImage, base);
    QFETCH(QImage, overlay);
    QFETCH(QSize, resultSize);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);

    const QImage result = QZKImageUtils::renderOverlay(decorationSize, base, QPixmap::fromImage(overlay));
    QCOMPARE(result.size(), resultSize);
    QCOMPARE(result.pixelColor(0, 0), topLeft);
    QCOMPARE(result.pixelColor(result.width() - 1, result.height() - 1), bottomRight);
}

QTEST_MAIN(tst_QZKItemViewHelpers)
#include "tst_QZKItemViewHelpers.moc"
