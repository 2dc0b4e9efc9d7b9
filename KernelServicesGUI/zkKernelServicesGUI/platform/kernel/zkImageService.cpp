#include "zkImageService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QStringList>

#include <ImfChannelList.h>
#include <ImfHeader.h>
#include <ImfRgbaFile.h>
#include <stb/stb_image.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>
#include <vector>

namespace {

enum class FileKind { Qt, Radiance, OpenEXR };

void report(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

QString loadFailure(const QString &path, const QString &reason)
{
    return zkImageService::tr("Cannot load the image \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason);
}

QString saveFailure(const QString &path, const QString &reason)
{
    return zkImageService::tr("Cannot save the image \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason);
}

FileKind kindOf(const QByteArray &head)
{
    if (head.startsWith("\x76\x2f\x31\x01"))
        return FileKind::OpenEXR;
    if (head.startsWith("#?RADIANCE") || head.startsWith("#?RGBE"))
        return FileKind::Radiance;
    return FileKind::Qt;
}

// Reinhard's operator and a display gamma: keeps highlights apart instead of clipping them.
uchar toneMapped(float value)
{
    if (!(value > 0.0f))
        return 0;
    const float mapped = std::pow(value / (1.0f + value), 1.0f / 2.2f);
    return static_cast<uchar>(std::lround(std::min(mapped, 1.0f) * 255.0f));
}

uchar clamped(float alpha)
{
    if (!(alpha > 0.0f))
        return 0;
    return static_cast<uchar>(std::lround(std::min(alpha, 1.0f) * 255.0f));
}

// rgba holds width * height pixels of four linear floats.
QImage toDisplayImage(const float *rgba, int width, int height)
{
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        const float *source = rgba + std::size_t(y) * width * 4;
        for (int x = 0; x < width * 4; x += 4) {
            line[x] = toneMapped(source[x]);
            line[x + 1] = toneMapped(source[x + 1]);
            line[x + 2] = toneMapped(source[x + 2]);
            line[x + 3] = clamped(source[x + 3]);
        }
    }
    return image;
}

zkdImage loadRadiance(const QString &path, QString *error)
{
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::unique_ptr<float, void (*)(void *)> pixels(
        stbi_loadf(QFile::encodeName(path).constData(), &width, &height, &channels, 4), stbi_image_free);
    if (!pixels) {
        report(error, loadFailure(path, zkImageService::tr("the Radiance file is damaged or truncated (%1)")
                                            .arg(QString::fromLatin1(stbi_failure_reason()))));
        return zkdImage();
    }
    return zkdImage::create(toDisplayImage(pixels.get(), width, height), path, {}, QStringLiteral("HDR"), 32);
}

zkdImage loadOpenEXR(const QString &path, QString *error)
{
    try {
        Imf::RgbaInputFile file(QFile::encodeName(path).constData());
        if (!(file.channels() & (Imf::WRITE_RGB | Imf::WRITE_Y))) {
            QStringList names;
            const Imf::ChannelList &list = file.header().channels();
            for (Imf::ChannelList::ConstIterator it = list.begin(); it != list.end(); ++it)
                names.append(QString::fromUtf8(it.name()));
            report(error, loadFailure(path, zkImageService::tr("the OpenEXR channels (%1) hold no colour: "
                                                               "R, G, B or Y is needed")
                                                .arg(names.join(QStringLiteral(", ")))));
            return zkdImage();
        }
        // Half channels are read as they are, float ones rounded to half by the RGBA interface.
        int bits = 16;
        const Imf::ChannelList &list = file.header().channels();
        for (Imf::ChannelList::ConstIterator it = list.begin(); it != list.end(); ++it) {
            if (it.channel().type != Imf::HALF)
                bits = 32;
        }
        const Imath::Box2i window = file.dataWindow();
        const int width = window.max.x - window.min.x + 1;
        const int height = window.max.y - window.min.y + 1;
        std::vector<Imf::Rgba> pixels(std::size_t(width) * height);
        file.setFrameBuffer(pixels.data() - window.min.x - std::ptrdiff_t(window.min.y) * width, 1, width);
        file.readPixels(window.min.y, window.max.y);
        std::vector<float> rgba;
        rgba.reserve(pixels.size() * 4);
        for (const Imf::Rgba &pixel : pixels)
            rgba.insert(rgba.end(), {float(pixel.r), float(pixel.g), float(pixel.b), float(pixel.a)});
        return zkdImage::create(toDisplayImage(rgba.data(), width, height), path, {}, QStringLiteral("EXR"), bits);
    } catch (const std::exception &exception) {
        report(error, loadFailure(path, zkImageService::tr("the OpenEXR file is damaged or truncated (%1)")
                                            .arg(QString::fromLocal8Bit(exception.what()))));
        return zkdImage();
    }
}

int bitsPerChannel(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return 1;
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_Grayscale16:
        return 16;
    default:
        return 8;
    }
}

QString formatName(const QByteArray &format)
{
    const QByteArray upper = format.toUpper();
    if (upper == "JPG")
        return QStringLiteral("JPEG");
    if (upper == "TIF")
        return QStringLiteral("TIFF");
    return QString::fromLatin1(upper);
}

zkdImage loadWithQt(const QString &path, QString *error)
{
    QImageReader reader(path);
    // A file whose suffix lies is read for what it holds.
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        report(error, loadFailure(path, zkImageService::tr("the file is not an image in a readable format")));
        return zkdImage();
    }
    const QString name = formatName(reader.format());
    QImage first;
    if (!reader.read(&first)) {
        report(error, loadFailure(path, zkImageService::tr("the image data is damaged or truncated (%1)")
                                            .arg(reader.errorString())));
        return zkdImage();
    }
    QList<QImage> frames;
    if (reader.imageCount() > 1) {
        frames.append(first);
        QImage frame;
        while (reader.read(&frame))
            frames.append(frame);
    }
    return zkdImage::create(first, path, frames, name, bitsPerChannel(first.format()));
}

} // namespace

zkImageService::zkImageService(QObject *parent)
    : zkBaseService(parent)
{
}

zkdImage zkImageService::loadImage(const QString &path, QString *error) const
{
    if (path.isEmpty()) {
        report(error, tr("Cannot load an image: no file is given."));
        return zkdImage();
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        report(error, loadFailure(path, tr("the file does not exist")));
        return zkdImage();
    }
    if (info.isDir()) {
        report(error, loadFailure(path, tr("it is a folder")));
        return zkdImage();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(error, loadFailure(path, tr("the file cannot be read (%1)").arg(file.errorString())));
        return zkdImage();
    }
    const FileKind kind = kindOf(file.peek(16));
    file.close();
    switch (kind) {
    case FileKind::OpenEXR:
        return loadOpenEXR(path, error);
    case FileKind::Radiance:
        return loadRadiance(path, error);
    case FileKind::Qt:
        break;
    }
    return loadWithQt(path, error);
}

bool zkImageService::saveImage(const zkdImage &image, const QString &path, QString *error) const
{
    const QImage pixels = image.toQImage();
    if (pixels.isNull()) {
        report(error, saveFailure(path, tr("the image is empty")));
        return false;
    }
    QImageWriter writer(path);
    if (writer.write(pixels))
        return true;
    report(error, saveFailure(path, writer.errorString()));
    return false;
}

bool zkImageService::saveImageSequence(const zkdImage &image, const QString &directory, QString *error) const
{
    const QList<QImage> frames = image.getFrames();
    const QDir target(directory);
    if (frames.isEmpty()) {
        report(error, saveFailure(image.getFileName(), tr("the image holds no image sequence")));
        return false;
    }
    if (!target.exists()) {
        report(error, saveFailure(image.getFileName(), tr("the folder \"%1\" does not exist")
                                                          .arg(QDir::toNativeSeparators(directory))));
        return false;
    }
    QString baseName = QFileInfo(image.getFileName()).completeBaseName();
    if (baseName.isEmpty())
        baseName = QStringLiteral("frame");
    for (int i = 0; i < frames.size(); ++i) {
        const QString name = target.filePath(QStringLiteral("%1_%2.png").arg(baseName).arg(i + 1, 4, 10, QLatin1Char('0')));
        QImageWriter writer(name);
        if (!writer.write(frames.at(i))) {
            report(error, saveFailure(name, writer.errorString()));
            return false;
        }
    }
    return true;
}
