#include "QZKPrecisionWheel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int ridgeSpacing = 6;
constexpr int angleDeltaPerNotch = 120;

double stepsPerNotch(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier)
        return 0.1;
    if (modifiers & Qt::ControlModifier)
        return 10.0;
    return 1.0;
}

} // namespace

QZKPrecisionWheel::QZKPrecisionWheel(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::SizeHorCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize QZKPrecisionWheel::sizeHint() const
{
    return {48, fontMetrics().height() + 6};
}

void QZKPrecisionWheel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    // Lit in the middle, dark at the rims, like a cylinder seen from the front.
    const QColor base = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Button);
    QLinearGradient shading(frame.topLeft(), frame.topRight());
    shading.setColorAt(0.0, base.darker(150));
    shading.setColorAt(0.5, base.lighter(115));
    shading.setColorAt(1.0, base.darker(150));
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(shading);
    painter.drawRoundedRect(frame, 3, 3);

    // Ridges sit on the cylinder; their screen position follows the cosine of their angle.
    const double radius = width() / 2.0;
    const double circumference = 2.0 * pi * radius;
    const int ridgeCount = std::max(1, int(circumference / ridgeSpacing));
    const double phase = 2.0 * pi * m_rotation / circumference;
    const QColor ridge = palette().color(QPalette::Dark);
    for (int i = 0; i < ridgeCount; ++i) {
        const double angle = std::fmod(phase + 2.0 * pi * i / ridgeCount, 2.0 * pi);
        if (angle > pi)
            continue; // on the back side
        const double x = radius - radius * std::cos(angle);
        QColor shade = ridge;
        shade.setAlphaF(std::sin(angle));
        painter.setPen(shade);
        painter.drawLine(QPointF(x, frame.top() + 3), QPointF(x, frame.bottom() - 3));
    }
}

void QZKPrecisionWheel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_lastX = event->pos().x();
    m_pendingPixels = 0;
}

void QZKPrecisionWheel::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const int dx = event->pos().x() - m_lastX;
    m_lastX = event->pos().x();
    m_rotation += dx;
    m_pendingPixels += dx;
    const int notches = m_pendingPixels / pixelsPerNotch;
    m_pendingPixels -= notches * pixelsPerNotch;
    update();
    turn(notches, event->modifiers());
}

void QZKPrecisionWheel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    else
        QWidget::mouseReleaseEvent(event);
}

void QZKPrecisionWheel::wheelEvent(QWheelEvent *event)
{
    // High-resolution wheels deliver fractions of a notch; they add up.
    m_pendingAngle += event->angleDelta().y();
    const int notches = m_pendingAngle / angleDeltaPerNotch;
    m_pendingAngle -= notches * angleDeltaPerNotch;
    m_rotation += notches * pixelsPerNotch;
    update();
    turn(notches, event->modifiers());
    event->accept();
}

void QZKPrecisionWheel::turn(int notches, Qt::KeyboardModifiers modifiers)
{
    if (notches != 0)
        emit turned(notches * stepsPerNotch(modifiers));
}
