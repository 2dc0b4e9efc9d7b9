#include "zkGhostItem.h"

#include <QZKColor.h>

#include <QBrush>
#include <QCursor>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QPen>

namespace {

constexpr double halfWidth = 250.0;
constexpr double distanceRange = 5.0;
// In pixels: the marker ignores the strip's scaling.
constexpr double boxHalfSize = 5.0;
constexpr double lineEnd = 14.0;

const QPen &normalPen()
{
    static const QPen pen(QBrush(Qt::gray), 2);
    return pen;
}

const QPen &highlightPen()
{
    static const QPen pen(QBrush(QColor(QStringLiteral("#FF8C00"))), 2);
    return pen;
}

const QBrush &boxBrush()
{
    static const QBrush brush(Qt::white);
    return brush;
}

} // namespace

zkGhostItem::zkGhostItem(const zkdLensFlareGhost &ghost, QGraphicsItem *parent)
    : QGraphicsItemGroup(parent)
    , m_ghost(ghost)
    , m_upperLine(new QGraphicsLineItem(0.0, -lineEnd, 0.0, -boxHalfSize))
    , m_lowerLine(new QGraphicsLineItem(0.0, boxHalfSize, 0.0, lineEnd))
    , m_box(new QGraphicsRectItem(-boxHalfSize, -boxHalfSize, 2 * boxHalfSize, 2 * boxHalfSize))
{
    m_box->setBrush(boxBrush());
    // Repainting the strip while a marker is dragged then blits the other markers.
    const QList<QGraphicsItem *> parts = {m_upperLine, m_lowerLine, m_box};
    for (QGraphicsItem *part : parts) {
        part->setCacheMode(DeviceCoordinateCache);
        addToGroup(part);
    }
    setPen(normalPen());
    setZValue(4);
    setFlags(ItemIsMovable | ItemIsSelectable | ItemIgnoresTransformations | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    setCursor(Qt::ArrowCursor);
    setPos(toPosition(ghost.getDistance()), 0.0);
    updateColor();
}

void zkGhostItem::updateColor()
{
    if (!m_ghost.isValid())
        return;
    const QVector3D rgb = m_ghost.getColor();
    const QVector3D hsv = QZKColor::rgbToHsv(rgb.x(), rgb.y(), rgb.z());
    m_box->setBrush(QZKColor(hsv.x(), hsv.y(), hsv.z()).getGammaQColor());
}

double zkGhostItem::toPosition(double distance)
{
    return halfWidth * distance / distanceRange;
}

double zkGhostItem::toDistance(double x)
{
    return distanceRange * x / halfWidth;
}

double zkGhostItem::clampPosition(double x)
{
    return qBound(-halfWidth, x, halfWidth);
}

QVariant zkGhostItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    switch (change) {
    case ItemPositionChange:
        // Markers slide along the strip only.
        return QPointF(clampPosition(value.toPointF().x()), 0.0);
    case ItemSelectedHasChanged: {
        const bool selected = value.toBool();
        setPen(selected ? highlightPen() : normalPen());
        setZValue(selected ? 5 : 4);
        break;
    }
    default:
        break;
    }
    return QGraphicsItemGroup::itemChange(change, value);
}

void zkGhostItem::hoverEnterEvent(QGraphicsSceneHoverEvent *event)
{
    setPen(highlightPen());
    QGraphicsItemGroup::hoverEnterEvent(event);
}

void zkGhostItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event)
{
    if (!isSelected())
        setPen(normalPen());
    QGraphicsItemGroup::hoverLeaveEvent(event);
}

void zkGhostItem::setPen(const QPen &pen)
{
    m_upperLine->setPen(pen);
    m_lowerLine->setPen(pen);
    m_box->setPen(pen);
}
