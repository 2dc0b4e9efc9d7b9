#include "QZKIntVector3DSlider.h"

QZKIntVector3DSlider::QZKIntVector3DSlider(QWidget *parent)
    : QZKIntVectorEditor(Vertical, parent)
{
}

void QZKIntVector3DSlider::emitChanged()
{
    Q_EMIT changed(value());
}
