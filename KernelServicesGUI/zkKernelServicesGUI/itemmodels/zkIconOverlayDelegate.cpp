#include "zkIconOverlayDelegate.h"

#include "zkItemDataRole.h"

#include <QZKImageUtils.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

zkIconOverlayDelegate::zkIconOverlayDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
    // Without the platform service the size stays invalid and no overlay is drawn.
    if (const auto *platform = zkKernelServiceFactory::the().getService<zkPlatformService>())
        m_overlaySize = platform->getOverlayIconSize();
}

void zkIconOverlayDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    m_painting = true;
    QStyledItemDelegate::paint(painter, option, index);
    m_painting = false;
}

void zkIconOverlayDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->showDecorationSelected = true;
    if (!m_painting || !index.isValid())
        return;
    const QImage base = index.data(zkItemDataRole::BaseImage).value<QImage>();
    const QIcon overlay = index.data(zkItemDataRole::OverlayIcon).value<QIcon>();
    const QPixmap overlayPixmap = overlay.pixmap(m_overlaySize, QIcon::Normal, QIcon::Off);
    const QPixmap composed = QPixmap::fromImage(QZKImageUtils::renderOverlay(option->decorationSize, base, overlayPixmap));
    QIcon icon;
    icon.addPixmap(composed, QIcon::Normal, QIcon::Off);
    icon.addPixmap(composed, QIcon::Selected, QIcon::Off);
    option->icon = icon;
}
