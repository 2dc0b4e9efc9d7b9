#include "zkImageService.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

zkImageService::zkImageService(QObject *parent)
    : zkBaseService(parent)
{
}

zkdImage zkImageService::loadImage(const QString &path) const
{
    if (path.isEmpty())
        return zkdImage();
    QImageReader reader(path);
    QImage first;
    if (!reader.read(&first))
        return zkdImage();
    QList<QImage> frames;
    if (reader.imageCount() > 1) {
        frames.append(first);
        QImage frame;
        while (reader.read(&frame))
            frames.append(frame);
    }
    return zkdImage::create(first, path, frames);
}

bool zkImageService::saveImage(const zkdImage &image, const QString &path) const
{
    const QImage pixels = image.toQImage();
    return !pixels.isNull() && pixels.save(path);
}

bool zkImageService::saveImageSequence(const zkdImage &image, const QString &directory) const
{
    const QList<QImage> frames = image.getFrames();
    const QDir target(directory);
    if (frames.isEmpty() || !target.exists())
        return false;
    QString baseName = QFileInfo(image.getFileName()).completeBaseName();
    if (baseName.isEmpty())
        baseName = QStringLiteral("frame");
    for (int i = 0; i < frames.size(); ++i) {
        const QString name = QStringLiteral("%1_%2.png").arg(baseName).arg(i + 1, 4, 10, QLatin1Char('0'));
        if (!frames.at(i).save(target.filePath(name)))
            return false;
    }
    return true;
}
