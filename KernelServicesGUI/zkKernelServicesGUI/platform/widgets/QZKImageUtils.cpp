#include "QZKImageUtils.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

QSize logicalSize(const QPixmap &pixmap)
{
    return pixmap.isNull() ? QSize() : pixmap.size() / pixmap.devicePixelRatio();
}

QSize canvasSize(const QSize &decorationSize, const QImage &base, const QPixmap &overlay)
{
    if (decorationSize.isValid() && !decorationSize.isEmpty())
        return decorationSize;
    if (!base.isNull())
        return base.size();
    return logicalSize(overlay);
}

} // namespace

QImage QZKImageUtils::renderOverlay(const QSize &decorationSize, const QImage &base, const QPixmap &overlay)
{
    const QSize size = canvasSize(decorationSize, base, overlay);
    if (size.isEmpty())
        return {};

    QImage result(size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    if (!base.isNull()) {
        QRect target(QPoint(), base.size().scaled(size, Qt::KeepAspectRatio));
        target.moveCenter(result.rect().center());
        painter.drawImage(target, base);
    }
    if (!overlay.isNull()) {
        const QSize overlaySize = logicalSize(overlay).boundedTo(size);
        const QSize fitted = logicalSize(overlay).scaled(overlaySize, Qt::KeepAspectRatio);
        QRect target(QPoint(), fitted);
        target.moveBottomRight(result.rect().bottomRight());
        painter.drawPixmap(target, overlay);
    }
    return result;
}
