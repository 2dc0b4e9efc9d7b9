#include "zkFileIOService.h"

#include <QImageReader>
#include <QImageWriter>
#include <QStringList>

zkFileIOService::zkFileIOService(QObject *parent)
    : zkBaseService(parent)
{
}

QString zkFileIOService::getImageOpenFilter() const
{
    QStringList patterns;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const QByteArray &format : formats)
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    return tr("Image Files (%1);;All Files (*)").arg(patterns.join(QLatin1Char(' ')));
}

QString zkFileIOService::getImageSaveFilter() const
{
    QList<QByteArray> formats = QImageWriter::supportedImageFormats();
    // The default choice of a save dialog is its first filter: make it the lossless one.
    if (formats.removeOne("png"))
        formats.prepend("png");
    QStringList filters;
    for (const QByteArray &format : formats) {
        filters.append(tr("%1 Image (*.%2)").arg(QString::fromLatin1(format.toUpper()), QString::fromLatin1(format)));
    }
    return filters.join(QStringLiteral(";;"));
}
