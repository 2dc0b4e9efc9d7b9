#include "QZKIntVector2DSpiner.h"

QZKIntVector2DSpiner::QZKIntVector2DSpiner(QWidget *parent)
    : QZKIntVectorEditor(Horizontal, parent)
{
}

void QZKIntVector2DSpiner::emitChanged()
{
    Q_EMIT changed(value());
}
