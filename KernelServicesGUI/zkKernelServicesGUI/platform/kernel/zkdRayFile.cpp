#include "zkdRayFile.h"

#include "zkRayFileHeader.h"
#include "zkdChangeCommand.h"
#include "zkdRayFileInfo.h"

#include <QCoreApplication>

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

void read(const zkdRayFile &file, const QString &path, const QString &text)
{
    auto change = std::make_unique<zkdChangeCommand>(text);
    change->store(file, "fileName", path);
    storeHeader(*change, file, path.isEmpty() ? zkRayFileHeader() : zkRayFileHeader::read(path));
    zkdChangeCommand::apply(std::move(change));
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

void zkdRayFile::load(const QString &path) const
{
    if (isValid())
        read(*this, path, undoText("Load Ray File"));
}

void zkdRayFile::reload() const
{
    if (isValid())
        read(*this, getFileName(), undoText("Reload Ray File"));
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
