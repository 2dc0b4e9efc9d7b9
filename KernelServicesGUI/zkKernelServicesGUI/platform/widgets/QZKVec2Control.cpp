#include "QZKVec2Control.h"

#include <QZKWheelPrec.h>

QZKVec2Control::QZKVec2Control(QWidget *parent)
    : QZKVecControl(2, parent)
{
    for (int i = 0; i < componentCount(); ++i) {
        connect(wheel(i), &QZKWheelPrec::relativeOperatorApplied, this,
                [this, i](RelativeOperator op, double operand) { Q_EMIT relativeOperatorApplied(i, op, operand); });
    }
}

void QZKVec2Control::setXY(double x, double y)
{
    setValues({x, y});
}

void QZKVec2Control::setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode mode)
{
    for (int i = 0; i < componentCount(); ++i)
        wheel(i)->setRelativeOperatorHandlingMode(mode);
}

RelativeOperatorHandlingMode QZKVec2Control::relativeOperatorHandlingMode() const
{
    return wheel(0)->relativeOperatorHandlingMode();
}
