#include "QZKSpiner.h"

#include "zkSpinBoxArrow.h"

#include <QStyleOptionSpinBox>

QZKSpiner::QZKSpiner(QWidget *parent)
    : QSpinBox(parent)
{
}

void QZKSpiner::mousePressEvent(QMouseEvent *event)
{
    if (!m_autoSteps) {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        if (zkStepOnceOnArrowPress(this, option, event))
            return;
    }
    QSpinBox::mousePressEvent(event);
}
