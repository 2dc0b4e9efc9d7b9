#include "QZKSpiner.h"

#include "zkSpinBoxArrow.h"

#include <QMouseEvent>
#include <QStyleOptionSpinBox>

QZKSpiner::QZKSpiner(QWidget *parent)
    : QSpinBox(parent)
{
}

void QZKSpiner::mousePressEvent(QMouseEvent *event)
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
    QSpinBox::mousePressEvent(event);
}
