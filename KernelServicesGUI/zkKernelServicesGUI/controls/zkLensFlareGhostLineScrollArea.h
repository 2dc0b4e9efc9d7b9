#pragma once

#include <QScrollArea>

// Holds the ghost line strip and zooms it horizontally: zooming widens the strip beyond the
// visible width and keeps the point under the mouse in place, panning scrolls along it. The
// scroll bars stay hidden; the wheel zooms, or pans with Ctrl.
class zkLensFlareGhostLineScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit zkLensFlareGhostLineScrollArea(QWidget *parent = nullptr);

    int getPanStep() const { return m_panStep; }
    int getZoomStep() const { return m_zoomStep; }
    double getZoomFactor() const { return m_zoomFactor; }
    double getOffset() const { return m_offset; }
    double getContentWidth() const { return m_contentWidth; }

public slots:
    void panLeft(int distance);
    void panRight(int distance);
    // At x in the visible area; zoom is the mouse travel of the gesture, in pixels.
    void zoomIn(int zoom, int x);
    void zoomOut(int zoom, int x);
    void zoomInAtMiddle();
    void zoomOutAtMiddle();
    void fit();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void pan(double distance);
    void applyGeometry();

    int m_panStep = 10;
    int m_zoomStep = 50;
    double m_zoomFactor = 1.0;
    double m_offset = 0.0;
    double m_contentWidth = 600.0;
};
