#include <zkIconOverlayDelegate.h>
#include <zkItemDataRole.h>

#include <QZKImageUtils.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

namespace {

// Keeps the last option that the delegate prepared.
struct RecordingDelegate : zkIconOverlayDelegate
{
    mutable QStyleOptionViewItem last;
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        zkIconOverlayDelegate::initStyleOption(option, index);
        last = *option;
    }
};

} // namespace

class tst_zkIconOverlayDelegate : public QObject
{
    Q_OBJECT
private slots:
    void composesOnlyWhilePainting_data();
    void composesOnlyWhilePainting();
};

void tst_zkIconOverlayDelegate::composesOnlyWhilePainting_data()
{
    QTest::addColumn<QImage>("base");
    QTest::addColumn<QIcon>("overlay");
    QTest::addColumn<bool>("painting");

    const auto filled = [](int size, Qt::GlobalColor color) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(color);
        return image;
    };
    const QIcon overlay(QPixmap::fromImage(filled(64, Qt::red)));
    QTest::newRow("base and overlay") << filled(48, Qt::blue) << overlay << true;
    QTest::newRow("overlay only") << QImage() << overlay << true;
    QTest::newRow("size hint") << filled(32, Qt::blue) << overlay << false;
}

void tst_zkIconOverlayDelegate::composesOnlyWhilePainting()
{
    QFETCH(QImage, base);
    QFETCH(QIcon, overlay);
    QFETCH(bool, painting);

    QStandardItemModel model;
    model.appendRow(new QStandardItem(QStringLiteral("item")));
    model.setItemData(model.index(0, 0), {{zkItemDataRole::BaseImage, base}, {zkItemDataRole::OverlayIcon, overlay}});
    RecordingDelegate delegate;
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 200, 40);
    option.decorationSize = QSize(32, 32);
    QPixmap canvas(200, 40);
    QPainter painter(&canvas);
    painting ? delegate.paint(&painter, option, model.index(0, 0)) : void(delegate.sizeHint(option, model.index(0, 0)));

    QVERIFY((delegate.last.features & QStyleOptionViewItem::HasDecoration) && delegate.last.showDecorationSelected);
    QCOMPARE(delegate.last.icon.isNull(), !painting);
    if (!painting)
        return;
    const QSize overlaySize = zkKernelServiceFactory::the().getService<zkPlatformService>()->getOverlayIconSize();
    const QImage expected = QZKImageUtils::renderOverlay(QSize(32, 32), base, overlay.pixmap(overlaySize))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected})
        QCOMPARE(delegate.last.icon.pixmap(expected.size(), mode).toImage().convertToFormat(expected.format()),
                 expected);
}

QTEST_MAIN(tst_zkIconOverlayDelegate)
#include "tst_zkIconOverlayDelegate.moc"
