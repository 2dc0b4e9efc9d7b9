#pragma once

#include <QGraphicsScene>
#include <QPixmap>

class QGraphicsEllipseItem;
class QGraphicsTextItem;

// An equirectangular world map with a location marker. A press moves the marker to the pointer
// (unless it lands on the marker), a drag carries it along, and the release reports the location;
// while no button is held the pointer's coordinates are shown beside it. The scene rectangle,
// from (0, 0), is the map: longitude -180 at its left edge, latitude 90 at its top.
class zkWorldMapGraphicsScene : public QGraphicsScene
{
    Q_OBJECT
public:
    // The map pixmap is scaled to width; the owner sets the scene rectangle.
    explicit zkWorldMapGraphicsScene(int width, QObject *parent = nullptr);

    // The marker position for a location, whole pixels, with the location clamped onto the map.
    QPointF getMarkerPosition(double longitude, double latitude) const;
    // Moves the marker without reporting anything.
    void setLocation(double longitude, double latitude);

    QGraphicsEllipseItem *getMarker() const { return m_marker; }
    // Marks, while the marker is dragged, the location it was dragged from.
    QGraphicsEllipseItem *getDragOrigin() const { return m_dragOrigin; }
    QGraphicsTextItem *getCoordinateText() const { return m_coordinateText; }
    const QPixmap &getPixmap() const { return m_pixmap; }
    bool isDragging() const { return m_dragging; }

signals:
    // A location picked with the mouse.
    void coordinateChanged(double longitude, double latitude);
    // The location under the marker while it is dragged.
    void coordinateChangedHint(double longitude, double latitude);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    bool event(QEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    void toCoordinate(const QPointF &position, double &longitude, double &latitude) const;
    void placeCoordinateText(const QPointF &pointer);

    QGraphicsEllipseItem *m_marker;
    QGraphicsEllipseItem *m_dragOrigin;
    QGraphicsTextItem *m_coordinateText;
    bool m_dragging = false;
    QPixmap m_pixmap;
};
