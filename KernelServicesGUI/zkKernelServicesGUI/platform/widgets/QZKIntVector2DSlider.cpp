#include "QZKIntVector2DSlider.h"

QZKIntVector2DSlider::QZKIntVector2DSlider(QWidget *parent)
    : QZKIntVectorEditor(Vertical, parent)
{
}

void QZKIntVector2DSlider::emitChanged()
{
    Q_EMIT changed(value());
}
