#pragma once

#include <QWidget>

// A thumb wheel turned by dragging horizontally or with the mouse wheel. It has no value of its
// own: it reports how far it was turned, in steps, and the owner applies them.
// Shift turns it finely (a tenth of a step per notch), Control coarsely (ten steps).
class QZKPrecisionWheel : public QWidget
{
    Q_OBJECT
public:
    explicit QZKPrecisionWheel(QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // Horizontal drag distance of one notch.
    static constexpr int pixelsPerNotch = 4;

signals:
    void turned(double steps);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void turn(int notches, Qt::KeyboardModifiers modifiers);

    bool m_dragging = false;
    int m_lastX = 0;
    int m_pendingPixels = 0;
    int m_pendingAngle = 0;
    int m_rotation = 0; // in pixels, for drawing only
};
