#include "zkIconManager.h"

#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {
const int iconSizes[] = {16, 24, 32, 48, 64};

QString resourcePath(const QString &path)
{
    return QStringLiteral(":/iconmanager/resources/") + path;
}

bool isSvg(const QString &path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

QPixmap renderSvg(const QString &file, const QSize &size)
{
    QSvgRenderer renderer(file);
    if (!renderer.isValid())
        return QPixmap();
    const QSize target = size.isValid() ? renderer.defaultSize().scaled(size, Qt::KeepAspectRatio)
                                        : renderer.defaultSize();
    QPixmap pixmap(target);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// Rendered images are kept in the application's pixmap cache, which lives and dies with it.
QPixmap load(const QString &path, const QSize &size = QSize())
{
    const QString file = resourcePath(path);
    if (path.isEmpty() || !QFile::exists(file))
        return QPixmap();
    const QString key = QStringLiteral("zkIconManager:%1:%2x%3")
                                .arg(path).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = isSvg(path) ? renderSvg(file, size) : QPixmap(file);
    if (!pixmap.isNull() && size.isValid() && pixmap.size() != size && !isSvg(path))
        pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QString iconPath(const QString &name, const QString &variant)
{
    if (name.contains(QLatin1Char('/')))
        return name;
    if (!variant.isEmpty()) {
        const QString variantPath = QStringLiteral("Icons/%1_%2.svg").arg(name, variant);
        if (QFile::exists(resourcePath(variantPath)))
            return variantPath;
    }
    return QStringLiteral("Icons/%1.svg").arg(name);
}
}

QPixmap zkIconManager::get(const QString &path)
{
    return load(path);
}

QIcon zkIconManager::getIcon(const QString &name, const QString &variant)
{
    const QString path = iconPath(name, variant);
    QIcon icon;
    for (int size : iconSizes) {
        const QPixmap pixmap = load(path, QSize(size, size));
        if (pixmap.isNull())
            return QIcon();
        icon.addPixmap(pixmap);
    }
    return icon;
}
