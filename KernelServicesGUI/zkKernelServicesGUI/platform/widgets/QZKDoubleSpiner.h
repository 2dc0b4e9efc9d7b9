#pragma once

#include <QDoubleSpinBox>

// A QDoubleSpinBox whose arrow buttons can be made to step once per press instead of repeating
// while held.
class QZKDoubleSpiner : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit QZKDoubleSpiner(QWidget *parent = nullptr);

    void setAutoStepsOnMousePress(bool enable) { m_autoSteps = enable; }
    bool autoStepsOnMousePress() const { return m_autoSteps; }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_autoSteps = true;
};
