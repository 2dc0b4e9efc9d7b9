#include "zkRayFileHeader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSet>

#include <cmath>

namespace {

// Ray data follows the header; the header is short.
constexpr qint64 maximumHeaderSize = 64 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("zkRayFileHeader", text);
}

zkRayFileHeader refuse(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return zkRayFileHeader();
}

bool toFinite(const QByteArray &text, double *number)
{
    bool ok = false;
    *number = text.toDouble(&ok);
    return ok && std::isfinite(*number);
}

} // namespace

zkRayFileHeader zkRayFileHeader::read(const QString &path, QString *error)
{
    const auto refuseFile = [&](const QString &reason) {
        return refuse(error, tr("Cannot load the ray file \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason));
    };
    if (path.isEmpty())
        return refuseFile(tr("no file name given"));
    const QFileInfo info(path);
    if (!info.exists())
        return refuseFile(tr("the file does not exist"));
    if (info.isDir())
        return refuseFile(tr("it is a directory"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuseFile(file.errorString());
    QString reason;
    const zkRayFileHeader header = parse(file.read(maximumHeaderSize), &reason);
    return header.valid ? header : refuseFile(reason);
}

zkRayFileHeader zkRayFileHeader::parse(const QByteArray &contents, QString *error)
{
    if (contents.isEmpty())
        return refuse(error, tr("the file is empty"));
    zkRayFileHeader header;
    QSet<QByteArray> seen;
    bool first = true;
    int lineNumber = 0;
    int start = 0;
    while (start < contents.size()) {
        int end = contents.indexOf('\n', start);
        if (end < 0)
            end = contents.size();
        const QByteArray line = contents.mid(start, end - start).trimmed();
        start = end + 1;
        ++lineNumber;
        if (line.isEmpty())
            continue;
        if (line == "EndHeader") {
            if (!seen.contains("NumberOfRays"))
                return refuse(error, tr("the header does not give the number of rays"));
            header.valid = true;
            return header;
        }
        const int colon = line.indexOf(':');
        const QByteArray key = colon < 0 ? QByteArray() : line.left(colon).trimmed();
        const QByteArray value = colon < 0 ? QByteArray() : line.mid(colon + 1).trimmed();
        static const QSet<QByteArray> keys = {"NumberOfRays", "LuminousPower", "ScalingFactor",
                                              "SpectralInformation", "MaximumAngle"};
        if (!keys.contains(key)) {
            if (first)
                return refuse(error, tr("it does not begin with a ray file header"));
            return refuse(error, tr("line %1 is not a header line").arg(lineNumber));
        }
        first = false;
        if (seen.contains(key))
            return refuse(error, tr("the header gives %1 twice").arg(QString::fromLatin1(key)));
        seen.insert(key);

        const auto badValue = [&] {
            return refuse(error, tr("the value of %1 on line %2 is out of range or not a number")
                                         .arg(QString::fromLatin1(key))
                                         .arg(lineNumber));
        };
        double number = 0.0;
        if (key == "NumberOfRays") {
            bool ok = false;
            header.numberOfRays = value.toInt(&ok);
            if (!ok || header.numberOfRays <= 0)
                return badValue();
        } else if (key == "SpectralInformation") {
            header.spectralInformation = QString::fromUtf8(value);
        } else if (!toFinite(value, &number)) {
            return badValue();
        } else if (key == "LuminousPower") {
            if (number < 0.0 || !std::isfinite(float(number)))
                return badValue();
            header.luminousPower = float(number);
        } else if (key == "ScalingFactor") {
            if (number <= 0.0 || !std::isfinite(float(number)))
                return badValue();
            header.scalingFactor = float(number);
        } else if (key == "MaximumAngle") {
            if (number <= 0.0 || number > 180.0)
                return badValue();
            header.maximumAngle = number;
        }
    }
    if (first)
        return refuse(error, tr("it does not begin with a ray file header"));
    return refuse(error, tr("the header has no end"));
}
