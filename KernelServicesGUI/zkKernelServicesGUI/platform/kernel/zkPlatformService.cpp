#include "zkPlatformService.h"

zkPlatformService::zkPlatformService(QObject *parent)
    : zkBaseService(parent)
{
}

QSize zkPlatformService::getToolButtonIconSize() const
{
    return QSize(scaled(16), scaled(16));
}

QSize zkPlatformService::getOverlayIconSize() const
{
    return QSize(scaled(10), scaled(10));
}

QSize zkPlatformService::getListIconSize() const
{
    return QSize(scaled(20), scaled(20));
}

int zkPlatformService::getListMinimumHeight() const
{
    return scaled(80);
}

int zkPlatformService::getListMaximumHeight() const
{
    return scaled(240);
}
