#include "QZKIntVector3DSpiner.h"

QZKIntVector3DSpiner::QZKIntVector3DSpiner(QWidget *parent)
    : QZKIntVectorEditor(Horizontal, parent)
{
}

void QZKIntVector3DSpiner::emitChanged()
{
    Q_EMIT changed(value());
}
