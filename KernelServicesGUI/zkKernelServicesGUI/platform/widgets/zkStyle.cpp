#include "zkStyle.h"

#include <QColor>

QColor zkStyle::getZELKHighLightColor()
{
    return QColor(255, 166, 0);
}
