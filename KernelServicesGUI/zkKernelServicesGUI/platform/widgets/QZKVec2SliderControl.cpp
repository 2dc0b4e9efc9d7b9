#include "QZKVec2SliderControl.h"

QZKVec2SliderControl::QZKVec2SliderControl(QWidget *parent)
    : QZKVecSliderControl(parent)
{
}

void QZKVec2SliderControl::emitChanged()
{
    Q_EMIT changed(value());
}
