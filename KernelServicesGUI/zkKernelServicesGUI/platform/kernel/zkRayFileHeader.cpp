#include "zkRayFileHeader.h"

#include <QFile>
#include <QList>

namespace {

// Ray data follows the header; the header is short.
constexpr qint64 maximumHeaderSize = 64 * 1024;

} // namespace

zkRayFileHeader zkRayFileHeader::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return zkRayFileHeader();
    return parse(file.read(maximumHeaderSize));
}

zkRayFileHeader zkRayFileHeader::parse(const QByteArray &contents)
{
    zkRayFileHeader header;
    header.valid = true;
    for (const QByteArray &rawLine : contents.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line == "EndHeader")
            break;
        const int colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray key = line.left(colon).trimmed();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (key == "NumberOfRays")
            header.numberOfRays = value.toInt();
        else if (key == "LuminousPower")
            header.luminousPower = value.toFloat();
        else if (key == "ScalingFactor")
            header.scalingFactor = value.toFloat();
        else if (key == "SpectralInformation")
            header.spectralInformation = QString::fromUtf8(value);
        else if (key == "MaximumAngle")
            header.maximumAngle = value.toDouble();
    }
    return header;
}
