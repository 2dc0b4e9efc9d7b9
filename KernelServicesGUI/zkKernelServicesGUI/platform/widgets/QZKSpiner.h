#pragma once

#include <QSpinBox>

// A QSpinBox whose arrow buttons can be made to step once per press instead of repeating
// while held.
class QZKSpiner : public QSpinBox
{
    Q_OBJECT
public:
    explicit QZKSpiner(QWidget *parent = nullptr);

    void setAutoStepsOnMousePress(bool enable) { m_autoSteps = enable; }
    bool autoStepsOnMousePress() const { return m_autoSteps; }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_autoSteps = true;
};
