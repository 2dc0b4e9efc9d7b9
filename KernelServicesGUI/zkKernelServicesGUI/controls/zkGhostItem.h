#pragma once

#include <zkdLensFlareGhost.h>

#include <QGraphicsItemGroup>

class QGraphicsLineItem;
class QGraphicsRectItem;

// The marker of one ghost on the ghost line strip: a box in the ghost's colour between two
// line stubs, drawn at a fixed pixel size whatever the strip's zoom. It moves only along the
// strip and stays within its ends.
class zkGhostItem : public QGraphicsItemGroup
{
public:
    enum { Type = QGraphicsItem::UserType + 1 };

    explicit zkGhostItem(const zkdLensFlareGhost &ghost, QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }
    const zkdLensFlareGhost &getGhost() const { return m_ghost; }
    // Re-reads the ghost's colour into the box.
    void updateColor();

    // The strip's x of a distance and back.
    static double toPosition(double distance);
    static double toDistance(double x);
    static double clampPosition(double x);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;

private:
    void setPen(const QPen &pen);

    zkdLensFlareGhost m_ghost;
    QGraphicsLineItem *m_upperLine;
    QGraphicsLineItem *m_lowerLine;
    QGraphicsRectItem *m_box;
};
