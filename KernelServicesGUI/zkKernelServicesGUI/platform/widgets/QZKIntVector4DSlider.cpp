#include "QZKIntVector4DSlider.h"

QZKIntVector4DSlider::QZKIntVector4DSlider(QWidget *parent)
    : QZKIntVectorEditor(Vertical, parent)
{
}

void QZKIntVector4DSlider::emitChanged()
{
    Q_EMIT changed(value());
}
