#include "QZKDoubleSpiner.h"

#include "zkSpinBoxArrow.h"

#include <QStyleOptionSpinBox>

QZKDoubleSpiner::QZKDoubleSpiner(QWidget *parent)
    : QDoubleSpinBox(parent)
{
}

void QZKDoubleSpiner::mousePressEvent(QMouseEvent *event)
{
    if (!m_autoSteps) {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        if (zkStepOnceOnArrowPress(this, option, event))
            return;
    }
    QDoubleSpinBox::mousePressEvent(event);
}
