#include <zkIconOverlayDelegate.h>
#include <zkItemDataRole.h>

#include <QZKImageUtils.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

namespace {

// Records the options that the delegate prepares.
class RecordingDelegate : public zkIconOverlayDelegate
{
public:
    mutable QList<QStyleOptionViewItem> options;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        zkIconOverlayDelegate::initStyleOption(option, index);
        options.append(*option);
    }
};

QImage filled(const QSize &size, Qt::GlobalColor color)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

QIcon overlayIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(filled(QSize(64, 64), Qt::red)));
    return icon;
}

} // namespace

class tst_zkIconOverlayDelegate : public QObject
{
    Q_OBJECT
private slots:
    void composesWhilePainting_data();
    void composesWhilePainting();
    void noCompositionForSizeHints();
};

void tst_zkIconOverlayDelegate::composesWhilePainting_data()
{
    QTest::addColumn<QImage>("base");
    QTest::addColumn<QIcon>("overlay");

    QTest::newRow("base and overlay") << filled(QSize(48, 32), Qt::blue) << overlayIcon();
    QTest::newRow("overlay only") << QImage() << overlayIcon();
    QTest::newRow("base only") << filled(QSize(16, 16), Qt::green) << QIcon();
}

void tst_zkIconOverlayDelegate::composesWhilePainting()
{
    QFETCH(QImage, base);
    QFETCH(QIcon, overlay);

    QStandardItemModel model;
    auto *item = new QStandardItem(QStringLiteral("item"));
    item->setData(base, zkItemDataRole::BaseImage);
    item->setData(overlay, zkItemDataRole::OverlayIcon);
    model.appendRow(item);
    RecordingDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 200, 40);
    option.decorationSize = QSize(32, 32);
    QImage canvas(200, 40, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);

    delegate.paint(&painter, option, model.index(0, 0));

    QCOMPARE(delegate.options.size(), 1);
    const QStyleOptionViewItem &used = delegate.options.first();
    QVERIFY(used.features & QStyleOptionViewItem::HasDecoration);
    QVERIFY(used.showDecorationSelected);
    const QSize overlaySize = zkKernelServiceFactory::the().getService<zkPlatformService>()->getOverlayIconSize();
    const QImage expected = QZKImageUtils::renderOverlay(QSize(32, 32), base, overlay.pixmap(overlaySize))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!expected.isNull());
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected}) {
        const QImage shown = used.icon.pixmap(expected.size(), mode, QIcon::Off).toImage().convertToFormat(
            QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown, expected);
    }
}

void tst_zkIconOverlayDelegate::noCompositionForSizeHints()
{
    QStandardItemModel model;
    auto *item = new QStandardItem(QStringLiteral("item"));
    item->setData(filled(QSize(32, 32), Qt::blue), zkItemDataRole::BaseImage);
    item->setData(overlayIcon(), zkItemDataRole::OverlayIcon);
    model.appendRow(item);
    RecordingDelegate delegate;
    QStyleOptionViewItem option;
    option.decorationSize = QSize(32, 32);

    delegate.sizeHint(option, model.index(0, 0));

    QCOMPARE(delegate.options.size(), 1);
    QVERIFY(delegate.options.first().icon.isNull());
    QVERIFY(delegate.options.first().features & QStyleOptionViewItem::HasDecoration);
}

QTEST_MAIN(tst_zkIconOverlayDelegate)
#include "tst_zkIconOverlayDelegate.moc"
