#include "zkSpinBoxArrow.h"

#include <QAbstractSpinBox>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>

bool zkStepOnceOnArrowPress(QAbstractSpinBox *spinBox, const QStyleOptionSpinBox &option, QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    int step = 0;
    switch (spinBox->style()->hitTestComplexControl(QStyle::CC_SpinBox, &option, event->pos(), spinBox)) {
    case QStyle::SC_SpinBoxUp:
        step = option.stepEnabled & QAbstractSpinBox::StepUpEnabled ? 1 : 0;
        break;
    case QStyle::SC_SpinBoxDown:
        step = option.stepEnabled & QAbstractSpinBox::StepDownEnabled ? -1 : 0;
        break;
    default:
        break;
    }
    if (step == 0)
        return false;
    spinBox->stepBy(step);
    event->accept();
    return true;
}
