#include "zkGhostLineEditor.h"

#include "zkGhostItem.h"

#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoString.h>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QMenu>
#include <QMouseEvent>
#include <QPair>
#include <QPainterPath>
#include <QShortcut>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace {

const QRectF sceneRectangle(-250.0, -15.0, 500.0, 30.0);
constexpr double tickHeight = 3.0;

const QColor &backgroundColor()
{
    static const QColor color(QStringLiteral("#575757"));
    return color;
}

const QColor &auxiliaryColor()
{
    static const QColor color(204, 204, 204);
    return color;
}

// Cosmetic, so that it stays one pixel wide however the strip is stretched.
const QPen &thinPen()
{
    static const QPen pen = [] {
        QPen result(QBrush(Qt::gray), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        result.setCosmetic(true);
        return result;
    }();
    return pen;
}

// The axis with a tick at every whole distance.
QPainterPath baselinePath()
{
    QPainterPath path;
    path.moveTo(sceneRectangle.left(), 0.0);
    path.lineTo(sceneRectangle.right(), 0.0);
    for (int distance = -5; distance <= 5; ++distance) {
        const double x = zkGhostItem::toPosition(distance);
        path.moveTo(x, -tickHeight);
        path.lineTo(x, tickHeight);
    }
    return path;
}

} // namespace

zkGhostLineEditor::zkGhostLineEditor(QWidget *parent)
    : QGraphicsView(parent)
    , m_scene(new QGraphicsScene(sceneRectangle, this))
    , m_baseline(new QGraphicsPathItem(baselinePath()))
    , m_rubberBand(new QGraphicsRectItem)
{
    setScene(m_scene);
    setBackgroundBrush(backgroundColor());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHint(QPainter::Antialiasing);
    setCursor(QCursor(QPixmap(QStringLiteral(":/resources/add_ghost.svg")), 2, 0));

    QPen auxiliaryPen = thinPen();
    auxiliaryPen.setColor(auxiliaryColor());
    m_baseline->setPen(auxiliaryPen);
    m_baseline->setZValue(0);
    m_scene->addItem(m_baseline);
    m_rubberBand->setPen(auxiliaryPen);
    QColor fill = auxiliaryColor();
    fill.setAlpha(40);
    m_rubberBand->setBrush(fill);
    m_rubberBand->setZValue(10);
    m_rubberBand->hide();
    m_scene->addItem(m_rubberBand);

    auto *selectAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), this);
    selectAll->setContext(Qt::WidgetShortcut);
    connect(selectAll, &QShortcut::activated, this, &zkGhostLineEditor::selectAllItems);
    connect(m_scene, &QGraphicsScene::selectionChanged, this, &zkGhostLineEditor::onSceneSelectionChanged);
}

zkGhostLineEditor::~zkGhostLineEditor()
{
    // The scene goes with the view; its items must not report a last selection change.
    m_scene->disconnect(this);
}

QList<zkGhostItem *> zkGhostLineEditor::getSelectedGhostItems() const
{
    QList<zkGhostItem *> selected;
    for (zkGhostItem *item : m_ghostItems) {
        if (item->isSelected())
            selected.append(item);
    }
    return selected;
}

QList<zkdLensFlareGhost> zkGhostLineEditor::getSelectedGhosts() const
{
    QList<zkdLensFlareGhost> ghosts;
    for (const zkGhostItem *item : getSelectedGhostItems())
        ghosts.append(item->getGhost());
    return ghosts;
}

zkGhostItem *zkGhostLineEditor::findGhostItem(const zkdObject &ghost) const
{
    for (zkGhostItem *item : m_ghostItems) {
        if (item->getGhost() == ghost)
            return item;
    }
    return nullptr;
}

void zkGhostLineEditor::clearSelection()
{
    m_scene->clearSelection();
}

void zkGhostLineEditor::selectAllItems()
{
    QPainterPath everything;
    everything.addRect(m_scene->sceneRect());
    m_scene->setSelectionArea(everything, Qt::IntersectsItemShape, viewportTransform());
}

void zkGhostLineEditor::deleteSelectedItems()
{
    const QList<zkGhostItem *> selected = getSelectedGhostItems();
    if (selected.isEmpty())
        return;
    QList<zkdLensFlareGhost> ghosts;
    for (const zkGhostItem *item : selected)
        ghosts.append(item->getGhost());
    deleteGhostItems(selected);
    emit ghostsRemoved(ghosts);
}

void zkGhostLineEditor::createGhostItems(const QList<zkdLensFlareGhost> &ghosts)
{
    for (const zkdLensFlareGhost &ghost : ghosts) {
        auto *item = new zkGhostItem(ghost);
        m_scene->addItem(item);
        m_ghostItems.append(item);
    }
}

void zkGhostLineEditor::removeAllGhostItems()
{
    deleteGhostItems(m_ghostItems);
}

void zkGhostLineEditor::deleteGhostItems(const QList<zkGhostItem *> &items)
{
    const QList<zkGhostItem *> doomed = items;
    for (zkGhostItem *item : doomed)
        m_ghostItems.removeOne(item);
    // Reported once, after all of them are gone.
    bool hadSelection = false;
    {
        const QSignalBlocker blocker(m_scene);
        for (zkGhostItem *item : doomed) {
            hadSelection |= item->isSelected();
            delete item;
        }
    }
    if (hadSelection)
        onSceneSelectionChanged();
}

void zkGhostLineEditor::createGhost(double x)
{
    emit ghostAdded(zkGhostItem::toDistance(x));
}

void zkGhostLineEditor::createGhost()
{
    createGhost(m_contextMenuPosition.x());
}

void zkGhostLineEditor::onSceneSelectionChanged()
{
    emit selectionChanged(getSelectedGhosts());
}

zkGhostItem *zkGhostLineEditor::ghostItemAt(const QPoint &position) const
{
    for (QGraphicsItem *item : items(position)) {
        if (auto *ghostItem = qgraphicsitem_cast<zkGhostItem *>(item->topLevelItem()))
            return ghostItem;
    }
    return nullptr;
}

void zkGhostLineEditor::contextMenuEvent(QContextMenuEvent *event)
{
    m_contextMenuPosition = mapToScene(event->pos());
    // Ctrl with the right button zooms.
    if (m_contextMenu && !(event->modifiers() & Qt::ControlModifier))
        m_contextMenu->exec(event->globalPos());
    event->accept();
}

void zkGhostLineEditor::mousePressEvent(QMouseEvent *event)
{
    m_pressPosition = event->pos();
    m_pressScenePosition = mapToScene(event->pos());
    m_lastGlobalPosition = event->globalPos();
    m_gesture = Gesture::None;
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->button()) {
    case Qt::LeftButton:
        if (control)
            break;
        QGraphicsView::mousePressEvent(event);
        if (ghostItemAt(event->pos())) {
            m_gesture = Gesture::Drag;
            m_dragStart.clear();
            for (zkGhostItem *item : getSelectedGhostItems())
                m_dragStart.insert(item, item->x());
        } else if (m_scene->sceneRect().contains(m_pressScenePosition)) {
            m_gesture = Gesture::BandSelect;
            m_rubberBand->setRect(QRectF(m_pressScenePosition, QSizeF()));
            m_rubberBand->show();
        }
        break;
    case Qt::RightButton:
        if (control)
            break;
        if (zkGhostItem *item = ghostItemAt(event->pos()); item && !item->isSelected()) {
            {
                const QSignalBlocker blocker(m_scene);
                m_scene->clearSelection();
            }
            item->setSelected(true);
        }
        break;
    default:
        break;
    }
    event->accept();
}

void zkGhostLineEditor::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::MouseButtons buttons = event->buttons();
    const bool control = event->modifiers() & Qt::ControlModifier;
    if ((buttons & Qt::MiddleButton) || ((buttons & Qt::LeftButton) && control)) {
        const int dx = m_lastGlobalPosition.x() - event->globalPos().x();
        if (dx < 0)
            emit panLeft(-dx);
        else if (dx > 0)
            emit panRight(dx);
        m_lastGlobalPosition = event->globalPos();
    } else if ((buttons & Qt::RightButton) && control) {
        const int dy = m_lastGlobalPosition.y() - event->globalPos().y();
        // In the scroll area's coordinates, which the zoom keeps in place.
        const int x = mapToParent(m_pressPosition).x();
        if (dy < 0)
            emit zoomIn(-dy, x);
        else if (dy > 0)
            emit zoomOut(dy, x);
        m_lastGlobalPosition = event->globalPos();
    } else {
        if (m_rubberBand->isVisible())
            updateRubberBand(event->pos());
        QGraphicsView::mouseMoveEvent(event);
    }
}

void zkGhostLineEditor::mouseReleaseEvent(QMouseEvent *event)
{
    QGraphicsView::mouseReleaseEvent(event);
    if (m_gesture == Gesture::Drag && event->button() == Qt::LeftButton) {
        const double delta = mapToScene(event->pos()).x() - m_pressScenePosition.x();
        if (delta != 0.0)
            writeDraggedDistances(delta);
        m_dragStart.clear();
    }
    m_rubberBand->hide();
    m_gesture = Gesture::None;
}

void zkGhostLineEditor::updateRubberBand(const QPoint &position)
{
    const QRectF &bounds = m_scene->sceneRect();
    const QPointF scenePosition = mapToScene(position);
    const QPointF corner(qBound(bounds.left(), scenePosition.x(), bounds.right()),
                         qBound(bounds.top(), scenePosition.y(), bounds.bottom()));
    const QRectF band = QRectF(m_pressScenePosition, corner).normalized();
    m_rubberBand->setRect(band);
    QPainterPath area;
    area.addRect(band);
    // Markers keep their pixel size, so they are hit as the view shows them.
    m_scene->setSelectionArea(area, Qt::IntersectsItemShape, viewportTransform());
}

void zkGhostLineEditor::writeDraggedDistances(double delta)
{
    QList<QPair<zkdLensFlareGhost, double>> moves;
    for (auto it = m_dragStart.cbegin(); it != m_dragStart.cend(); ++it) {
        if (!m_ghostItems.contains(it.key()))
            continue;
        const double x = zkGhostItem::clampPosition(it.value() + delta);
        it.key()->setPos(x, 0.0);
        moves.append({it.key()->getGhost(), x});
    }
    // Only handles from here on: the notifications may rebuild the markers.
    const zkScopedUndo undo;
    const zkScopedMultiCommand step(zkUndoString("Ghost Distance", "Light Editor"));
    for (const auto &move : qAsConst(moves))
        move.first.setDistance(zkGhostItem::toDistance(move.second));
}

void zkGhostLineEditor::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    fitInView(m_scene->sceneRect(), Qt::IgnoreAspectRatio);
}

void zkGhostLineEditor::wheelEvent(QWheelEvent *event)
{
    // The viewport's ignored wheel events do not travel past the view, so hand it on directly.
    QWidget *parent = parentWidget();
    if (!parent) {
        event->ignore();
        return;
    }
    const QPointF position = mapToParent(viewport()->mapTo(this, event->position().toPoint()));
    QWheelEvent forwarded(position, event->globalPosition(), event->pixelDelta(), event->angleDelta(),
                          event->buttons(), event->modifiers(), event->phase(), event->inverted(), event->source());
    QCoreApplication::sendEvent(parent, &forwarded);
    event->setAccepted(forwarded.isAccepted());
}
