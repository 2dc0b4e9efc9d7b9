#include "QZKIntVector4DSpiner.h"

QZKIntVector4DSpiner::QZKIntVector4DSpiner(QWidget *parent)
    : QZKIntVectorEditor(Horizontal, parent)
{
}

void QZKIntVector4DSpiner::emitChanged()
{
    Q_EMIT changed(value());
}
