#include "zkdLightProfile.h"

#include "zkIesProfile.h"
#include "zkScopedMultiCommand.h"
#include "zkUndoStack.h"
#include "zkUndoString.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

struct LoadedProfile
{
    QString absolutePath;
    zkIesProfile header;
};

// The loaded files are the profiles' data, not reflected properties; they go with the profile.
QHash<quint64, LoadedProfile> &loadedProfiles()
{
    static QHash<quint64, LoadedProfile> profiles;
    static const QMetaObject::Connection cleanup = QObject::connect(
            zkdObjectManager::instance(), &zkdObjectManager::objectDestroyed,
            [](const zkdObject &object) { profiles.remove(object.getObjectId()); });
    Q_UNUSED(cleanup);
    return profiles;
}

zkIesProfile headerOf(const zkdLightProfile &profile)
{
    return loadedProfiles().value(profile.getObjectId()).header;
}

zkdObject ownerOf(const zkdObject &object)
{
    const std::shared_ptr<zkdObjectData> data = object.ptr();
    const std::shared_ptr<zkdObjectData> owner = data ? data->owner() : nullptr;
    return owner ? owner->handle() : zkdObject();
}

void setLoaded(const zkdLightProfile &profile, const LoadedProfile &loaded)
{
    loadedProfiles().insert(profile.getObjectId(), loaded);
    const zkdObject light = ownerOf(profile);
    if (!light.isNull())
        zkdObjectManager::instance()->notifyPropertyChanged(light, QByteArrayLiteral("lightProfile"));
}

class zkLoadProfileCommand : public zkUndoCommand
{
public:
    zkLoadProfileCommand(zkdLightProfile profile, LoadedProfile before, LoadedProfile after)
        : m_profile(std::move(profile)), m_before(std::move(before)), m_after(std::move(after))
    {
    }

    void undo() override { setLoaded(m_profile, m_before); }
    void redo() override { setLoaded(m_profile, m_after); }
    QString text() const override
    {
        return QCoreApplication::translate("Light Commands", "Load Light Profile");
    }

private:
    zkdLightProfile m_profile;
    LoadedProfile m_before;
    LoadedProfile m_after;
};

} // namespace

bool zkdLightProfile::getUseLightProfile() const
{
    return property("useLightProfile").toBool();
}

void zkdLightProfile::setUseLightProfile(bool use) const
{
    setProperty("useLightProfile", use);
}

QString zkdLightProfile::getAbsolutePath() const
{
    return loadedProfiles().value(getObjectId()).absolutePath;
}

bool zkdLightProfile::load(const QString &path, QString *error) const
{
    if (!isValid()) {
        if (error) {
            *error = QCoreApplication::translate("zkIesProfile", "Cannot load the light profile \"%1\": %2.")
                             .arg(QDir::toNativeSeparators(path),
                                  QCoreApplication::translate("zkIesProfile", "the light no longer exists"));
        }
        return false;
    }
    const zkIesProfile header = zkIesProfile::read(path, error);
    if (!header.valid)
        return false;
    auto command = std::make_unique<zkLoadProfileCommand>(
            *this, loadedProfiles().value(getObjectId()), LoadedProfile{QFileInfo(path).absoluteFilePath(), header});
    command->redo();
    zkUndoStack *stack = zkUndoStack::instance();
    if (stack->isRecording())
        stack->record(std::move(command));
    return true;
}

void zkdLightProfile::setLightProfileShape() const
{
    const zkIesProfile header = headerOf(*this);
    const zkdObject light = ownerOf(*this);
    if (!header.valid || light.isNull())
        return;
    const zkScopedMultiCommand step(zkUndoString("Set Profile Shape", "Light Commands"));
    if (light.property("coneAngle").isValid() && !header.verticalAngles.isEmpty()) {
        const auto [low, high] = std::minmax_element(header.verticalAngles.cbegin(), header.verticalAngles.cend());
        light.setProperty("coneAngle", qBound(0.01f, *high - *low, 90.0f));
    }
    const float metres = header.unitsType == zkIesProfile::Feet ? 0.3048f : 1.0f;
    const float extent = qMax(qAbs(header.size.x()), qMax(qAbs(header.size.y()), qAbs(header.size.z()))) * metres;
    if (extent > 0.0f && light.property("visualizationScale").isValid())
        light.setProperty("visualizationScale", extent);
}

float zkdLightProfile::getLumensPerLamp() const
{
    return headerOf(*this).lumensPerLamp;
}

int zkdLightProfile::getNumLuminaires() const
{
    return headerOf(*this).numLamps;
}

float zkdLightProfile::getCandelaMultiplier() const
{
    return headerOf(*this).candelaMultiplier;
}

unsigned zkdLightProfile::getUnitsType() const
{
    return headerOf(*this).unitsType;
}

float zkdLightProfile::getBallastFactor() const
{
    return headerOf(*this).ballastFactor;
}

QVector3D zkdLightProfile::getSize() const
{
    return headerOf(*this).size;
}

int zkdLightProfile::getPhotometricType() const
{
    return headerOf(*this).photometricType;
}

int zkdLightProfile::getNumVerticalAngles() const
{
    return headerOf(*this).numVerticalAngles;
}

float zkdLightProfile::getInputWatts() const
{
    return headerOf(*this).inputWatts;
}

int zkdLightProfile::getNumHorizontalAngles() const
{
    return headerOf(*this).numHorizontalAngles;
}
