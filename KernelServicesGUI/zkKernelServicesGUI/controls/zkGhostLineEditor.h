#pragma once

#include <zkdLensFlareGhost.h>

#include <QGraphicsView>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointF>

class QGraphicsPathItem;
class QGraphicsRectItem;
class QGraphicsScene;
class QMenu;
class zkGhostItem;

// The strip of a ghost line: one marker per ghost at its distance, from -5 at the left end to 5
// at the right, always spanning the view's width. Markers are selected by clicking or with a
// rubber band and dragged along the strip; a drag writes the new distances as one undo step.
// Creating and removing ghosts is reported by signals, the owner of the line does it. The
// middle button (or the left with Ctrl) pans and the right with Ctrl zooms, through signals
// to the scroll area around the strip.
class zkGhostLineEditor : public QGraphicsView
{
    Q_OBJECT
public:
    explicit zkGhostLineEditor(QWidget *parent = nullptr);
    ~zkGhostLineEditor() override;

    QMenu *getContextMenu() const { return m_contextMenu; }
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }
    // Where the context menu was last requested, in scene coordinates.
    QPointF getContextMenuPosition() const { return m_contextMenuPosition; }

    // In the order of the ghosts they were created for.
    const QList<zkGhostItem *> &getGhostItems() const { return m_ghostItems; }
    QList<zkGhostItem *> getSelectedGhostItems() const;
    QList<zkdLensFlareGhost> getSelectedGhosts() const;
    zkGhostItem *findGhostItem(const zkdObject &ghost) const;
    // The rubber band, visible while a band selection is dragged.
    QGraphicsRectItem *getRubberBand() const { return m_rubberBand; }

public slots:
    void clearSelection();
    void deleteSelectedItems();
    void selectAllItems();
    void createGhostItems(const QList<zkdLensFlareGhost> &ghosts);
    void removeAllGhostItems();
    // Asks for a ghost at the strip position x.
    void createGhost(double x);
    // Asks for a ghost where the context menu was requested.
    void createGhost();

signals:
    void selectionChanged(const QList<zkdLensFlareGhost> &ghosts);
    void ghostAdded(double posX);
    void ghostsRemoved(const QList<zkdLensFlareGhost> &ghosts);
    void panLeft(int distance);
    void panRight(int distance);
    void zoomIn(int zoom, int offset);
    void zoomOut(int zoom, int offset);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Handed to the scroll area around the strip, which zooms and pans.
    void wheelEvent(QWheelEvent *event) override;

private:
    enum class Gesture { None, BandSelect, Drag };

    zkGhostItem *ghostItemAt(const QPoint &position) const;
    void onSceneSelectionChanged();
    void updateRubberBand(const QPoint &position);
    void writeDraggedDistances(double delta);
    void deleteGhostItems(const QList<zkGhostItem *> &items);

    QGraphicsScene *m_scene;
    QMenu *m_contextMenu = nullptr;
    QPointF m_contextMenuPosition;
    QGraphicsPathItem *m_baseline;
    QGraphicsRectItem *m_rubberBand;
    QList<zkGhostItem *> m_ghostItems;
    Gesture m_gesture = Gesture::None;
    QPoint m_pressPosition;
    QPointF m_pressScenePosition;
    // On screen, as the strip itself moves while it pans.
    QPoint m_lastGlobalPosition;
    // The markers' x when the drag started.
    QHash<zkGhostItem *, double> m_dragStart;
};
