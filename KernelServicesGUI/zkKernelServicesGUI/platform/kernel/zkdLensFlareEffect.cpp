#include "zkdLensFlareEffect.h"

#include "zkdClassInfo.h"
#include "zkdLensFlareElement.h"
#include "zkdLensFlareGhost.h"
#include "zkdLensFlareGhostLine.h"
#include "zkdObjectManager.h"
#include "zkdOwnedList.h"

#include <QCoreApplication>
#include <QVector3D>

#include <initializer_list>

namespace {

const char *const elementsProperty = "lensFlareElements";

QString undoText(const char *text)
{
    return QCoreApplication::translate("Light Commands", text);
}

// Sets a value of an object that nobody holds yet; value has the property's type.
void initialize(const zkdObject &object, const char *name, const QVariant &value)
{
    const std::shared_ptr<zkdObjectData> data = object.ptr();
    const int index = data->classInfo().indexOf(name);
    if (index >= 0)
        data->initializeProperty(index, value);
}

zkdLensFlareElement newElement(const QString &name, zkLensFlareTypes::ElementType type)
{
    const QByteArray className = zkdLensFlareEffect::elementClassName(type);
    if (className.isEmpty())
        return zkdLensFlareElement();
    const auto element = zkd_cast<zkdLensFlareElement>(zkdObjectManager::create(className));
    initialize(element, "name", name);
    return element;
}

struct PresetElement
{
    zkLensFlareTypes::ElementType type;
    const char *name;
    QVector3D color;
    float size;
    float intensity;
    std::initializer_list<float> ghostDistances;
};

struct Preset
{
    zkLensFlareTypes::PresetType type;
    std::initializer_list<PresetElement> elements;
};

using namespace zkLensFlareTypes;

const Preset presets[] = {
    {HeadLampBlueSteel, {
        {Glow, "Glow", {0.75f, 0.85f, 1.0f}, 0.3f, 0.8f, {}},
        {Starburst, "Starburst", {0.6f, 0.75f, 1.0f}, 0.5f, 0.6f, {}},
        {Streak, "Streak", {0.4f, 0.6f, 1.0f}, 0.8f, 0.5f, {}},
        {GhostLine, "Ghost Line", {0.5f, 0.7f, 1.0f}, 0.1f, 0.3f, {-1.5f, 0.8f, 2.2f}},
    }},
    {HeadLampRingBurst, {
        {Glow, "Glow", {0.9f, 0.95f, 1.0f}, 0.3f, 0.8f, {}},
        {Ring, "Ring", {0.8f, 0.9f, 1.0f}, 0.4f, 0.4f, {}},
        {Starburst, "Starburst", {0.9f, 0.95f, 1.0f}, 0.6f, 0.6f, {}},
    }},
    {TailLampRadicalRed, {
        {Glow, "Glow", {1.0f, 0.1f, 0.05f}, 0.25f, 0.9f, {}},
        {Streak, "Streak", {1.0f, 0.15f, 0.1f}, 0.6f, 0.4f, {}},
    }},
    {TailLampRubyRed, {
        {Glow, "Glow", {0.8f, 0.05f, 0.15f}, 0.25f, 0.9f, {}},
        {Ring, "Ring", {0.9f, 0.1f, 0.2f}, 0.35f, 0.3f, {}},
    }},
    {SunWarm, {
        {Glow, "Glow", {1.0f, 0.85f, 0.6f}, 0.6f, 1.0f, {}},
        {Starburst, "Starburst", {1.0f, 0.8f, 0.55f}, 0.8f, 0.7f, {}},
        {Ring, "Ring", {1.0f, 0.75f, 0.5f}, 0.5f, 0.2f, {}},
        {GhostLine, "Ghost Line", {1.0f, 0.7f, 0.4f}, 0.12f, 0.3f, {-2.0f, -0.7f, 1.2f, 3.0f}},
    }},
    {SunCool, {
        {Glow, "Glow", {0.9f, 0.95f, 1.0f}, 0.6f, 1.0f, {}},
        {Starburst, "Starburst", {0.85f, 0.9f, 1.0f}, 0.8f, 0.7f, {}},
        {GhostLine, "Ghost Line", {0.6f, 0.8f, 1.0f}, 0.12f, 0.3f, {-1.8f, 1.0f, 2.6f}},
    }},
    {StreetLamp, {
        {Glow, "Glow", {1.0f, 0.7f, 0.35f}, 0.35f, 0.9f, {}},
        {Starburst, "Starburst", {1.0f, 0.75f, 0.4f}, 0.5f, 0.5f, {}},
    }},
};

zkdLensFlareElement presetElement(const PresetElement &preset)
{
    const zkdLensFlareElement element = newElement(QString::fromLatin1(preset.name), preset.type);
    if (preset.type != GhostLine) {
        initialize(element, "color", QVariant::fromValue(preset.color));
        initialize(element, "size", preset.size);
        initialize(element, "intensity", preset.intensity);
        return element;
    }
    QList<zkdLensFlareGhost> ghosts;
    const std::shared_ptr<zkdObjectData> line = element.ptr();
    for (const float distance : preset.ghostDistances) {
        const auto ghost = zkdObjectManager::create<zkdLensFlareGhost>();
        ghost.ptr()->setOwner(line);
        initialize(ghost, "distance", distance);
        initialize(ghost, "color", QVariant::fromValue(preset.color));
        initialize(ghost, "size", preset.size);
        initialize(ghost, "intensity", preset.intensity);
        ghosts.append(ghost);
    }
    initialize(element, "ghosts", QVariant::fromValue(ghosts));
    return element;
}

} // namespace

QByteArray zkdLensFlareEffect::elementClassName(zkLensFlareTypes::ElementType type)
{
    switch (type) {
    case GhostLine: return QByteArrayLiteral("zkdLensFlareGhostLine");
    case Glow: return QByteArrayLiteral("zkdLensFlareGlow");
    case Ring: return QByteArrayLiteral("zkdLensFlareRing");
    case Starburst: return QByteArrayLiteral("zkdLensFlareStar");
    case Streak: return QByteArrayLiteral("zkdLensFlareStreak");
    }
    return QByteArray();
}

QList<zkdLensFlareElement> zkdLensFlareEffect::getLensFlareElements() const
{
    return zkdOwnedList::items<zkdLensFlareElement>(*this, elementsProperty);
}

zkdLensFlareElement zkdLensFlareEffect::createLensFlareElement(const QString &name,
                                                               zkLensFlareTypes::ElementType type) const
{
    if (!isValid())
        return zkdLensFlareElement();
    const zkdLensFlareElement element = newElement(name, type);
    if (!element.isNull())
        zkdOwnedList::insert<zkdLensFlareElement>(*this, elementsProperty, {element}, -1,
                                                  undoText("Create Lens Flare Element"));
    return element;
}

void zkdLensFlareEffect::removeElements(const QList<zkdLensFlareElement> &elements) const
{
    zkdOwnedList::remove<zkdLensFlareElement>(*this, elementsProperty, elements,
                                              undoText("Remove Lens Flare Elements"));
}

void zkdLensFlareEffect::insertElements(const QList<zkdLensFlareElement> &elements, int index) const
{
    zkdOwnedList::insert<zkdLensFlareElement>(*this, elementsProperty, elements, index,
                                              undoText("Add Lens Flare Elements"));
}

void zkdLensFlareEffect::applyPreset(zkLensFlareTypes::PresetType preset) const
{
    if (!isValid())
        return;
    for (const Preset &candidate : presets) {
        if (candidate.type != preset)
            continue;
        QList<zkdLensFlareElement> elements;
        for (const PresetElement &preset : candidate.elements)
            elements.append(presetElement(preset));
        zkdOwnedList::change<zkdLensFlareElement>(*this, elementsProperty, elements, elements,
                                                  getLensFlareElements(), undoText("Lens Flare Preset"));
        return;
    }
}
