#include "zkNodeGlyph.h"

#include "zkdObjectManager.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

enum class Glyph { Group, Switch, Light, Camera, Plate, LinkSet };

Glyph glyphOf(const QByteArray &typeName)
{
    const quint64 type = zkdObjectManager::getTypeId(typeName);
    const auto is = [type](const char *base) { return zkdObjectManager::isTypeOf(type, zkdObjectManager::getTypeId(base)); };
    if (is("zkdBaseLightNode"))
        return Glyph::Light;
    if (is("zkdCameraNode"))
        return Glyph::Camera;
    if (is("zkdSceneplateNode"))
        return Glyph::Plate;
    if (is("zkdSwitchNode"))
        return Glyph::Switch;
    if (is("zkdLightLinkSetNode"))
        return Glyph::LinkSet;
    return Glyph::Group;
}

class zkNodeIconEngine : public QIconEngine
{
public:
    explicit zkNodeIconEngine(Glyph glyph) : m_glyph(glyph) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(state);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        const QColor ink = mode == QIcon::Disabled ? QColor(0x9a, 0x9a, 0x9a) : QColor(0x3c, 0x3c, 0x3c);
        painter->setPen(QPen(ink, 1.0));
        draw(painter, mode == QIcon::Disabled ? QColor(0xc8, 0xc8, 0xc8) : fill());
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        painter.end();
        return QPixmap::fromImage(image);
    }

    QIconEngine *clone() const override { return new zkNodeIconEngine(m_glyph); }

private:
    QColor fill() const
    {
        switch (m_glyph) {
        case Glyph::Light: return QColor(0xf5, 0xc5, 0x18);
        case Glyph::Camera: return QColor(0x5d, 0x8a, 0xa8);
        case Glyph::Plate: return QColor(0x9b, 0xc5, 0x8a);
        case Glyph::Switch: return QColor(0xd9, 0x8c, 0x5f);
        case Glyph::LinkSet: return QColor(0xb3, 0x9d, 0xdb);
        case Glyph::Group: break;
        }
        return QColor(0xe8, 0xc9, 0x7a);
    }

    void draw(QPainter *painter, const QColor &fill) const
    {
        painter->setBrush(fill);
        switch (m_glyph) {
        case Glyph::Group: {
            QPainterPath folder;
            folder.moveTo(1.5, 4.5);
            folder.lineTo(6, 4.5);
            folder.lineTo(7.5, 6);
            folder.lineTo(14.5, 6);
            folder.lineTo(14.5, 13.5);
            folder.lineTo(1.5, 13.5);
            folder.closeSubpath();
            painter->drawPath(folder);
            break;
        }
        case Glyph::Switch:
            painter->drawEllipse(QRectF(1.5, 6, 4, 4));
            painter->drawLine(QPointF(5.5, 8), QPointF(10.5, 3.5));
            painter->drawLine(QPointF(5.5, 8), QPointF(10.5, 12.5));
            painter->drawEllipse(QRectF(10.5, 1.5, 4, 4));
            painter->drawEllipse(QRectF(10.5, 10.5, 4, 4));
            break;
        case Glyph::Light:
            for (int i = 0; i < 8; ++i) {
                const qreal a = i * M_PI / 4;
                painter->drawLine(QPointF(8 + 5 * qCos(a), 8 + 5 * qSin(a)), QPointF(8 + 7 * qCos(a), 8 + 7 * qSin(a)));
            }
            painter->drawEllipse(QRectF(4.5, 4.5, 7, 7));
            break;
        case Glyph::Camera:
            painter->drawRoundedRect(QRectF(1.5, 5, 9, 7), 1, 1);
            painter->drawPolygon(QPolygonF({QPointF(10.5, 7.5), QPointF(14.5, 5), QPointF(14.5, 12), QPointF(10.5, 9.5)}));
            break;
        case Glyph::Plate:
            painter->drawRect(QRectF(1.5, 3.5, 13, 9));
            painter->drawLine(QPointF(3, 11), QPointF(7, 7));
            painter->drawLine(QPointF(7, 7), QPointF(13, 11));
            break;
        case Glyph::LinkSet:
            painter->drawRoundedRect(QRectF(1.5, 5.5, 8, 5), 2.5, 2.5);
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(QRectF(6.5, 5.5, 8, 5), 2.5, 2.5);
            break;
        }
    }

    Glyph m_glyph;
};

} // namespace

QIcon zkNodeGlyph::icon(const QByteArray &typeName)
{
    return QIcon(new zkNodeIconEngine(glyphOf(typeName)));
}
