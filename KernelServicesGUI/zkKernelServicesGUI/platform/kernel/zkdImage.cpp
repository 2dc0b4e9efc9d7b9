#include "zkdImage.h"

#include "zkdClassInfo.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"

#include <QFileInfo>

zkdImage zkdImage::create(const QImage &image, const QString &fileName, const QList<QImage> &frames,
                          const QString &formatName, int bitsPerChannel)
{
    const zkdImage result = zkdObjectManager::create<zkdImage>();
    const std::shared_ptr<zkdObjectData> data = result.ptr();
    if (!data)
        return result;
    QVariantList frameList;
    frameList.reserve(frames.size());
    for (const QImage &frame : frames)
        frameList.append(frame);
    const zkdClassInfo &info = data->classInfo();
    data->initializeProperty(info.indexOf("fileName"), fileName);
    data->initializeProperty(info.indexOf("image"), image);
    data->initializeProperty(info.indexOf("frames"), frameList);
    data->initializeProperty(info.indexOf("size"), image.size());
    data->initializeProperty(info.indexOf("formatName"), formatName);
    data->initializeProperty(info.indexOf("bitsPerChannel"), bitsPerChannel);
    return result;
}

QString zkdImage::getFileName() const
{
    return property("fileName").toString();
}

QString zkdImage::getAbsolutePath() const
{
    const QString fileName = getFileName();
    return fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath();
}

bool zkdImage::hasInlinedSequence() const
{
    return !property("frames").toList().isEmpty();
}

bool zkdImage::sourceSequenceExists() const
{
    const QString path = getAbsolutePath();
    return !path.isEmpty() && QFileInfo::exists(path);
}

QList<QImage> zkdImage::getFrames() const
{
    QList<QImage> frames;
    const QVariantList stored = property("frames").toList();
    for (const QVariant &frame : stored)
        frames.append(frame.value<QImage>());
    return frames;
}

QSize zkdImage::getSize() const
{
    return property("size").toSize();
}

QString zkdImage::getFormatName() const
{
    return property("formatName").toString();
}

int zkdImage::getBitsPerChannel() const
{
    return property("bitsPerChannel").toInt();
}

bool zkdImage::getPremultipliedAlpha() const
{
    return property("premultipliedAlpha").toBool();
}

void zkdImage::setPremultipliedAlpha(bool premultiplied) const
{
    setProperty("premultipliedAlpha", premultiplied);
}

QImage zkdImage::toQImage() const
{
    return property("image").value<QImage>();
}

void zkdImage::setImage(const QImage &image) const
{
    if (const std::shared_ptr<zkdObjectData> data = ptr())
        data->storeProperty(data->classInfo().indexOf("image"), image);
}
