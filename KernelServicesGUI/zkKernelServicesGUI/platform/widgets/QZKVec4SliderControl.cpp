#include "QZKVec4SliderControl.h"

QZKVec4SliderControl::QZKVec4SliderControl(QWidget *parent)
    : QZKVecSliderControl(parent)
{
}

void QZKVec4SliderControl::emitChanged()
{
    Q_EMIT changed(value());
}
