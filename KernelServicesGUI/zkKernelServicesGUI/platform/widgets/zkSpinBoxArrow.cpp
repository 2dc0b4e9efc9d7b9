#include "zkSpinBoxArrow.h"

#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWidget>

int zkSpinBoxArrowStep(const QStyleOptionSpinBox &option, const QPoint &pos, const QWidget *spinBox)
{
    switch (spinBox->style()->hitTestComplexControl(QStyle::CC_SpinBox, &option, pos, spinBox)) {
    case QStyle::SC_SpinBoxUp:
        return option.stepEnabled & QAbstractSpinBox::StepUpEnabled ? 1 : 0;
    case QStyle::SC_SpinBoxDown:
        return option.stepEnabled & QAbstractSpinBox::StepDownEnabled ? -1 : 0;
    default:
        return 0;
    }
}
