#pragma once

class QImage;
class QPixmap;
class QSize;

// Image composition for item views.
class QZKImageUtils
{
public:
    QZKImageUtils() = delete;

    // The base image scaled to fit decorationSize (keeping its aspect ratio, centred) with the
    // overlay drawn over its bottom-right corner; an overlay larger than the result is scaled
    // down to fit. A null base or overlay counts as an empty image. Without a valid
    // decorationSize the result takes the base's size, or else the overlay's; it is null when
    // there is nothing to draw on.
    static QImage renderOverlay(const QSize &decorationSize, const QImage &base, const QPixmap &overlay);
};
