#include "QZKVec3Control.h"

QZKVec3Control::QZKVec3Control(QWidget *parent)
    : QZKVecControl(3, parent)
{
}

void QZKVec3Control::setXYZ(double x, double y, double z)
{
    setValues({x, y, z});
}

void QZKVec3Control::setLabel(VectorLabel kind)
{
    m_vectorLabel = kind;
    switch (kind) {
    case LabelXYZ:
        setSubLabels({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
        break;
    case LabelRGB:
        setSubLabels({QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")});
        break;
    case LabelUVW:
        setSubLabels({QStringLiteral("U"), QStringLiteral("V"), QStringLiteral("W")});
        break;
    case LabelNone:
        setSubLabels({QString(), QString(), QString()});
        break;
    }
}
