#include <QZKImageUtils.h>

#include <QtTest>

namespace {

QImage filled(const QSize &size, const QColor &color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

QPixmap filledPixmap(const QSize &size, const QColor &color)
{
    return QPixmap::fromImage(filled(size, color));
}

} // namespace

class tst_QZKImageUtils : public QObject
{
    Q_OBJECT
private slots:
    void renderOverlay_data();
    void renderOverlay();
};

void tst_QZKImageUtils::renderOverlay_data()
{
    QTest::addColumn<QSize>("decorationSize");
    QTest::addColumn<QImage>("base");
    QTest::addColumn<QPixmap>("overlay");
    QTest::addColumn<QSize>("resultSize");
    // Expected colours at the top-left and bottom-right corners (transparent: nothing drawn).
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");

    const QColor red(Qt::red);
    const QColor blue(Qt::blue);
    const QColor none(Qt::transparent);

    QTest::newRow("both") << QSize(64, 64) << filled({32, 32}, red) << filledPixmap({16, 16}, blue)
                          << QSize(64, 64) << red << blue;
    QTest::newRow("no base") << QSize(64, 64) << QImage() << filledPixmap({16, 16}, blue)
                             << QSize(64, 64) << none << blue;
    QTest::newRow("neither") << QSize(64, 64) << QImage() << QPixmap() << QSize(64, 64) << none << none;
    QTest::newRow("wide base keeps its aspect") << QSize(64, 64) << filled({64, 32}, red) << QPixmap()
                                                << QSize(64, 64) << none << none;
    QTest::newRow("overlay larger than result") << QSize(16, 16) << QImage() << filledPixmap({32, 32}, blue)
                                                << QSize(16, 16) << blue << blue;
    QTest::newRow("no decoration size") << QSize() << filled({20, 10}, red) << QPixmap()
                                        << QSize(20, 10) << red << red;
}

void tst_QZKImageUtils::renderOverlay()
{
    QFETCH(QSize, decorationSize);
    QFETCH(QImage, base);
    QFETCH(QPixmap, overlay);
    QFETCH(QSize, resultSize);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);

    const QImage result = QZKImageUtils::renderOverlay(decorationSize, base, overlay);
    QCOMPARE(result.size(), resultSize);
    QCOMPARE(result.pixelColor(0, 0), topLeft);
    QCOMPARE(result.pixelColor(result.width() - 1, result.height() - 1), bottomRight);
}

QTEST_MAIN(tst_QZKImageUtils)
#include "tst_QZKImageUtils.moc"
