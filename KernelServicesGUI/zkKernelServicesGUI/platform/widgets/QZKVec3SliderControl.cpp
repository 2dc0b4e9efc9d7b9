#include "QZKVec3SliderControl.h"

QZKVec3SliderControl::QZKVec3SliderControl(QWidget *parent)
    : QZKVecSliderControl(parent)
{
}

void QZKVec3SliderControl::emitChanged()
{
    Q_EMIT changed(value());
}
