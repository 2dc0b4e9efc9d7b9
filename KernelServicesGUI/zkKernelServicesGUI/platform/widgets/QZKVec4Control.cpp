#include "QZKVec4Control.h"

QZKVec4Control::QZKVec4Control(QWidget *parent)
    : QZKVecControl(4, parent)
{
}

void QZKVec4Control::setXYZW(double x, double y, double z, double w)
{
    setValues({x, y, z, w});
}
