#include "zkPathHandler.h"

#include <QDir>
#include <QString>

namespace {
QString &recentPath()
{
    static QString path = QDir::homePath();
    return path;
}
}

QString zkPathHandler::getRecentPath()
{
    return recentPath();
}

void zkPathHandler::setRecentPath(const QString &path)
{
    recentPath() = path;
}
