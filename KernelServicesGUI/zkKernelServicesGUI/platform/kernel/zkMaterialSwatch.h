#pragma once

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QImage>

class QPainter;
class QRectF;

// Draws the swatches that stand for materials: a shaded ball, in the colour of a material kind
// for its icon, or in a material's own colour for its preview.
class zkMaterialSwatch
{
public:
    // The colour that marks materials of a kernel class; grey for classes without one.
    static QColor typeColor(const QByteArray &typeName);

    static void paint(QPainter *painter, const QRectF &rect, const QColor &color);
    // A square image of size pixels with the ball on a transparent background.
    static QImage render(const QColor &color, int size);
    // Drawn at whatever size it is asked for.
    static QIcon icon(const QByteArray &typeName);
};
