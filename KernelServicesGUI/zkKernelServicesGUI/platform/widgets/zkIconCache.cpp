#include "zkIconCache.h"

#include "zkIconManager.h"

#include <QIcon>

QIcon zkIconCache::getFilterIcon()
{
    return zkIconManager::getIcon(QStringLiteral("Filter"), QString());
}

QIcon zkIconCache::getMenuArrowIcon()
{
    return zkIconManager::getIcon(QStringLiteral("MenuArrow"), QString());
}

QIcon zkIconCache::getHierarchyIcon()
{
    return zkIconManager::getIcon(QStringLiteral("Hierarchy"), QString());
}

QIcon zkIconCache::getMaterialTagIcon()
{
    return zkIconManager::getIcon(QStringLiteral("MaterialTag"), QString());
}
