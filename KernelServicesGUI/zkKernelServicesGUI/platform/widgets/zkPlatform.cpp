#include "zkPlatform.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr double referenceDpi = 96.0;
constexpr int treeViewIconSize = 16;
constexpr int mediumIconSize = 24;

// Without a GUI application (or a screen) there is nothing to scale for.
const QScreen *primaryScreen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
            ? QGuiApplication::primaryScreen()
            : nullptr;
}

int scaled(int size, double scale)
{
    return int(size * scale);
}
}

double zkPlatform::getDpiScaleX()
{
    const QScreen *screen = primaryScreen();
    return screen ? screen->logicalDotsPerInchX() / referenceDpi : 1.0;
}

double zkPlatform::getDpiScaleY()
{
    const QScreen *screen = primaryScreen();
    return screen ? screen->logicalDotsPerInchY() / referenceDpi : 1.0;
}

int zkPlatform::getTreeViewIconSizeX()
{
    return scaled(treeViewIconSize, getDpiScaleX());
}

int zkPlatform::getTreeViewIconSizeY()
{
    return scaled(treeViewIconSize, getDpiScaleY());
}

int zkPlatform::getMediumIconSizeX()
{
    return scaled(mediumIconSize, getDpiScaleX());
}

int zkPlatform::getMediumIconSizeY()
{
    return scaled(mediumIconSize, getDpiScaleY());
}
