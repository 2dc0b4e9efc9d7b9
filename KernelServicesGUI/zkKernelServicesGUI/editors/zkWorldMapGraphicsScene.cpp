#include "zkWorldMapGraphicsScene.h"

#include <zkPlatform.h>
#include <zkStyle.h>

#include <QBrush>
#include <QCursor>
#include <QGraphicsEllipseItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

constexpr double textClearance = 10.0;
// A location picked at a pixel and stored as float reads back a hair short of that pixel.
constexpr double pixelTolerance = 1e-3;

bool inRange(double longitude, double latitude)
{
    return longitude >= -180.0 && longitude <= 180.0 && latitude >= -90.0 && latitude <= 90.0;
}

QRectF centredSquare(double radius)
{
    return QRectF(-radius, -radius, 2.0 * radius, 2.0 * radius);
}

} // namespace

zkWorldMapGraphicsScene::zkWorldMapGraphicsScene(int width, QObject *parent)
    : QGraphicsScene(parent)
    , m_pixmap(QPixmap(QStringLiteral(":/iconmanager/resources/Various/WorldMap.png"))
                   .scaledToWidth(width, Qt::SmoothTransformation))
{
    const QColor highlight = zkStyle::getZELKHighLightColor();
    const double scale = zkPlatform::getDpiScaleX();

    m_dragOrigin = addEllipse(centredSquare(3.0 * scale), QPen(QColor(255, 255, 0, 255)),
                              QBrush(QColor(255, 255, 0, 255)));
    m_dragOrigin->hide();

    m_marker = addEllipse(centredSquare(5.0 * scale), QPen(highlight, 2.0), QBrush(highlight, Qt::SolidPattern));
    m_marker->setCursor(Qt::PointingHandCursor);
    m_marker->setAcceptHoverEvents(true);

    m_coordinateText = addText(QString());
    m_coordinateText->setDefaultTextColor(highlight);
    m_coordinateText->hide();
}

QPointF zkWorldMapGraphicsScene::getMarkerPosition(double longitude, double latitude) const
{
    const double width = sceneRect().width();
    const double height = sceneRect().height();
    longitude = std::clamp(longitude, -180.0, 180.0);
    latitude = std::clamp(latitude, -90.0, 90.0);
    return QPointF(int((longitude + 180.0) / 360.0 * width + pixelTolerance),
                   height - int((latitude + 90.0) / 180.0 * height + pixelTolerance));
}

void zkWorldMapGraphicsScene::setLocation(double longitude, double latitude)
{
    m_marker->setPos(getMarkerPosition(longitude, latitude));
}

void zkWorldMapGraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPointF position = event->scenePos();
    m_dragOrigin->setPos(m_marker->pos());
    m_dragOrigin->show();
    if (!m_marker->contains(m_marker->mapFromScene(position)))
        m_marker->setPos(position);
    m_dragging = true;
    event->accept();
}

void zkWorldMapGraphicsScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    const QPointF position = event->scenePos();
    const QRectF map = sceneRect();
    if (position.x() >= 0.0 && position.x() < map.width() && position.y() >= 0.0 && position.y() < map.height()) {
        double longitude = 0.0;
        double latitude = 0.0;
        toCoordinate(position, longitude, latitude);
        if (m_dragging) {
            m_marker->setPos(position);
            if (inRange(longitude, latitude))
                emit coordinateChangedHint(longitude, latitude);
        } else {
            m_coordinateText->setPlainText(QLatin1Char('(') + QString::number(longitude, 'g', 3)
                                           + QStringLiteral(", ") + QString::number(latitude, 'g', 3)
                                           + QLatin1Char(')'));
            placeCoordinateText(position);
        }
    }
    // Lets the marker see the pointer hover over it.
    if (!m_dragging)
        QGraphicsScene::mouseMoveEvent(event);
}

void zkWorldMapGraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    m_dragOrigin->hide();
    double longitude = 0.0;
    double latitude = 0.0;
    toCoordinate(event->scenePos(), longitude, latitude);
    if (!inRange(longitude, latitude)) {
        // Dropped off the map: the location stays where it was.
        m_marker->setPos(m_dragOrigin->pos());
        return;
    }
    setLocation(longitude, latitude);
    update();
    emit coordinateChanged(longitude, latitude);
}

bool zkWorldMapGraphicsScene::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        m_coordinateText->show();
        break;
    case QEvent::Leave:
        m_coordinateText->hide();
        break;
    default:
        break;
    }
    return QGraphicsScene::event(event);
}

void zkWorldMapGraphicsScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    Q_UNUSED(rect);
    painter->drawPixmap(QPointF(0.0, 0.0), m_pixmap);
}

void zkWorldMapGraphicsScene::toCoordinate(const QPointF &position, double &longitude, double &latitude) const
{
    const double width = sceneRect().width();
    const double height = sceneRect().height();
    longitude = position.x() / width * 360.0 - 180.0;
    latitude = (height - position.y()) / height * 180.0 - 90.0;
}

void zkWorldMapGraphicsScene::placeCoordinateText(const QPointF &pointer)
{
    const QSizeF size = m_coordinateText->boundingRect().size();
    const QRectF map = sceneRect();
    double x = pointer.x() + textClearance;
    if (x + size.width() > map.width())
        x = pointer.x() - textClearance - size.width();
    double y = pointer.y() + textClearance;
    if (y + size.height() > map.height())
        y = pointer.y() - textClearance - size.height();
    m_coordinateText->setPos(std::max(0.0, x), std::max(0.0, y));
}
