#include "QZKDoubleSpiner.h"

#include "zkSpinBoxArrow.h"

#include <QMouseEvent>
#include <QStyleOptionSpinBox>

QZKDoubleSpiner::QZKDoubleSpiner(QWidget *parent)
    : QDoubleSpinBox(parent)
{
}

void QZKDoubleSpiner::mousePressEvent(QMouseEvent *event)
{
    if (!m_autoSteps && event->button() == Qt::LeftButton) {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        if (const int step = zkSpinBoxArrowStep(option, event->pos(), this)) {
            // Stepping here keeps the base class from starting its repeat timer.
            stepBy(step);
            event->accept();
            return;
        }
    }
    QDoubleSpinBox::mousePressEvent(event);
}
