#include "zkLensFlareGhostLineScrollArea.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

zkLensFlareGhostLineScrollArea::zkLensFlareGhostLineScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    // The visible width is then the scroll area's, which the zoom arithmetic relies on.
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void zkLensFlareGhostLineScrollArea::panLeft(int distance)
{
    pan(-distance);
}

void zkLensFlareGhostLineScrollArea::panRight(int distance)
{
    pan(distance);
}

void zkLensFlareGhostLineScrollArea::pan(double distance)
{
    // The range the scroll bar has once the content takes its width.
    const double maximum = std::max(0.0, m_contentWidth - width());
    m_offset = std::max(0.0, std::min(m_offset + distance, maximum));
    applyGeometry();
}

void zkLensFlareGhostLineScrollArea::zoomIn(int zoom, int x)
{
    QWidget *content = widget();
    if (zoom == 0 || !content || content->width() <= 0 || height() <= 0)
        return;
    const double ratio = (x + m_offset) / content->width();
    const double growth = double(zoom) / (10.0 * height()) * content->width();
    m_contentWidth = std::max(m_contentWidth + growth, double(width()));
    m_zoomFactor = m_contentWidth / width();
    pan(ratio * growth);
}

void zkLensFlareGhostLineScrollArea::zoomOut(int zoom, int x)
{
    QWidget *content = widget();
    if (zoom == 0 || !content || content->width() <= 0 || height() <= 0)
        return;
    const double ratio = (x + m_offset) / content->width();
    const double oldWidth = m_contentWidth;
    m_contentWidth = std::max(m_contentWidth / (double(zoom) / (10.0 * height()) + 1.0), double(width()));
    m_zoomFactor = m_contentWidth / width();
    pan(-(oldWidth - m_contentWidth) * ratio);
}

void zkLensFlareGhostLineScrollArea::zoomInAtMiddle()
{
    zoomIn(m_zoomStep, width() / 2);
}

void zkLensFlareGhostLineScrollArea::zoomOutAtMiddle()
{
    zoomOut(m_zoomStep, width() / 2);
}

void zkLensFlareGhostLineScrollArea::fit()
{
    m_contentWidth = width();
    m_zoomFactor = 1.0;
    m_offset = 0.0;
    applyGeometry();
}

void zkLensFlareGhostLineScrollArea::applyGeometry()
{
    if (QWidget *content = widget())
        content->resize(int(std::lround(m_contentWidth)), height());
    horizontalScrollBar()->setValue(int(std::lround(m_offset)));
}

void zkLensFlareGhostLineScrollArea::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        if (steps > 0)
            panRight(m_panStep);
        else if (steps < 0)
            panLeft(m_panStep);
    } else if (widget() && widget()->width() >= 1) {
        const int x = int(event->position().x());
        if (steps > 0)
            zoomIn(m_zoomStep, x);
        else if (steps < 0)
            zoomOut(m_zoomStep, x);
    }
    event->accept();
}

void zkLensFlareGhostLineScrollArea::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    m_contentWidth = width() * m_zoomFactor;
    applyGeometry();
}
