#include "zkdRayFile.h"

#include "zkRayFileHeader.h"
#include "zkdChangeCommand.h"
#include "zkdRayFileInfo.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString undoText(const char *text)
{
    return QCoreApplication::translate("Light Commands", text);
}

// The rows that hold what a file says, on the ray file and on its info.
void storeHeader(zkdChangeCommand &change, const zkdRayFile &file, const zkRayFileHeader &header)
{
    change.store(file, "useRayFile", header.valid);
    change.store(file, "numberOfRays", header.numberOfRays);
    change.store(file, "scalingFactor", header.scalingFactor);
    change.store(file, "spectralInformationString", header.spectralInformation);
    if (header.maximumAngle > 0.0)
        change.store(file, "directEvaluationConeAngle", qBound(0.01, header.maximumAngle, 89.99));
    const zkdRayFileInfo info = file.getRayFileInfo();
    change.store(info, "luminousPower", header.luminousPower);
    change.store(info, "numberOfRays", header.numberOfRays);
    change.store(info, "scalingFactor", header.scalingFactor);
    change.store(info, "spectralInformationString", header.spectralInformation);
}

bool read(const zkdRayFile &file, const QString &path, const QString &text, QString *error)
{
    if (!file.isValid()) {
        if (error) {
            *error = QCoreApplication::translate("zkRayFileHeader", "Cannot load the ray file \"%1\": %2.")
                             .arg(QDir::toNativeSeparators(path),
                                  QCoreApplication::translate("zkRayFileHeader", "the ray light no longer exists"));
        }
        return false;
    }
    zkRayFileHeader header;
    if (!path.isEmpty()) {
        header = zkRayFileHeader::read(path, error);
        if (!header.valid)
            return false;
    }
    auto change = std::make_unique<zkdChangeCommand>(text);
    change->store(file, "fileName", path);
    storeHeader(*change, file, header);
    zkdChangeCommand::apply(std::move(change));
    return true;
}

} // namespace

QString zkdRayFile::getFileName() const
{
    return property("fileName").toString();
}

zkdRayFileInfo zkdRayFile::getRayFileInfo() const
{
    return property("rayFileInfo").value<zkdRayFileInfo>();
}

bool zkdRayFile::isLoaded() const
{
    return property("useRayFile").toBool();
}

bool zkdRayFile::load(const QString &path, QString *error) const
{
    return read(*this, path, undoText("Load Ray File"), error);
}

bool zkdRayFile::reload(QString *error) const
{
    return read(*this, getFileName(), undoText("Reload Ray File"), error);
}

void zkdRayFile::setTo(const zkdRayFile &other) const
{
    if (!isValid() || !other.isValid() || other == *this)
        return;
    auto change = std::make_unique<zkdChangeCommand>(undoText("Share Ray File"));
    for (const char *name : {"fileName", "useRayFile", "numberOfRays", "scalingFactor",
                             "spectralInformationString", "directEvaluationConeAngle"})
        change->store(*this, name, other.property(name));
    const zkdRayFileInfo info = getRayFileInfo();
    const zkdRayFileInfo otherInfo = other.getRayFileInfo();
    for (const char *name : {"luminousPower", "numberOfRays", "scalingFactor", "spectralInformationString"})
        change->store(info, name, otherInfo.property(name));
    zkdChangeCommand::apply(std::move(change));
}
