#include "zkMaterialSwatch.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace {

struct TypeColor
{
    const char *typeName;
    QRgb color;
};

constexpr TypeColor typeColors[] = {
    {"zkdPhongMaterial", 0xbfbfbf},
    {"zkdPlasticMaterial", 0xc0392b},
    {"zkdReflectivePlasticMaterial", 0xe67e22},
    {"zkdChromeMaterial", 0xdfe3e8},
    {"zkdLineChromeMaterial", 0xcfd6de},
    {"zkdBrushedMetalMaterial", 0x9aa3ad},
    {"zkdUnicolorPaintMaterial", 0x2456b3},
    {"zkdMetallicPaintMaterial", 0x8e1b2b},
    {"zkdFlipflopMaterial", 0x7d3c98},
    {"zkdGlassMaterial", 0xa9e4f0},
    {"zkdXRayMaterial", 0x5dade2},
    {"zkdCarbonMaterial", 0x2c2f33},
    {"zkdCarbon2DMaterial", 0x3b3f45},
    {"zkdTireMaterial", 0x1b1b1b},
    {"zkdVelvetMaterial", 0x7b1f4f},
    {"zkdWovenClothMaterial", 0xcdb891},
    {"zkdSubstanceMaterial", 0x58a55c},
    {"zkdXRiteMeasuredMaterial", 0x1abc9c},
    {"zkdOCSMaterial", 0xd4ac0d},
    {"zkdShadowMaterial", 0x4d4d4d},
    {"zkdLightPortalMaterial", 0xfff4c2},
    {"zkdMultiPassMaterial", 0x8d9440},
    {"zkdLayeredMaterial", 0xa4a95a},
    {"zkdSwitchMaterial", 0x6f7a2e},
    {"zkdEnvironmentMaterial", 0x6fb7e8},
    {"zkdSkylightMaterial", 0x9fd3f5},
    {"zkdEnvironmentSwitchMaterial", 0x4f8fc0},
    {"zkdSubstanceEnvironmentMaterial", 0x6fc2a0},
};

constexpr QRgb defaultTypeColor = 0x999999;

class zkMaterialIconEngine : public QIconEngine
{
public:
    explicit zkMaterialIconEngine(const QColor &color) : m_color(color) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(state);
        QColor color = m_color;
        if (mode == QIcon::Disabled)
            color = QColor::fromHsvF(0.0, 0.0, color.valueF());
        zkMaterialSwatch::paint(painter, rect, color);
    }

    // The default leaves the pixmap's background uninitialised.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return result;
    }

    QIconEngine *clone() const override { return new zkMaterialIconEngine(m_color); }

private:
    QColor m_color;
};

} // namespace

QColor zkMaterialSwatch::typeColor(const QByteArray &typeName)
{
    for (const TypeColor &entry : typeColors) {
        if (typeName == entry.typeName)
            return QColor(entry.color);
    }
    return QColor(defaultTypeColor);
}

void zkMaterialSwatch::paint(QPainter *painter, const QRectF &rect, const QColor &color)
{
    const qreal side = qMin(rect.width(), rect.height());
    const QRectF ball(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    // Lit from the upper left, so that the colour reads as a surface rather than a flat disc.
    QRadialGradient shading(ball.center(), side / 2, ball.topLeft() + QPointF(side * 0.35, side * 0.3));
    shading.setColorAt(0.0, color.lighter(170));
    shading.setColorAt(0.55, color);
    shading.setColorAt(1.0, color.darker(260));

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(shading);
    painter->drawEllipse(ball.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->restore();
}

QImage zkMaterialSwatch::render(const QColor &color, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(&painter, QRectF(0, 0, size, size), color);
    return image;
}

QIcon zkMaterialSwatch::icon(const QByteArray &typeName)
{
    static QHash<QByteArray, QIcon> icons;
    auto it = icons.find(typeName);
    if (it == icons.end())
        it = icons.insert(typeName, QIcon(new zkMaterialIconEngine(typeColor(typeName))));
    return *it;
}
