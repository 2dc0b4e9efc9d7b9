#include "zkdLightClasses.h"

#include "QZKSpectrum.h"
#include "zkLightTypes.h"
#include "zkTextureTypes.h"
#include "zkdAreaLightCone.h"
#include "zkdAreaLightNode.h"
#include "zkdClassInfo.h"
#include "zkdDirectionalLightNode.h"
#include "zkdDiskLightNode.h"
#include "zkdImage.h"
#include "zkdLensFlareEffect.h"
#include "zkdLightProfile.h"
#include "zkdLightTexture.h"
#include "zkdLightTransform.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"
#include "zkdRayFile.h"
#include "zkdRayFileInfo.h"
#include "zkdRayLightNode.h"
#include "zkdRectangularLightNode.h"
#include "zkdShadowMap.h"
#include "zkdSpotLightNode.h"
#include "zkdTextureCouplings.h"

#include <QDebug>
#include <QHash>
#include <QQuaternion>
#include <QScopedValueRollback>
#include <QVector2D>
#include <QVector3D>
#include <QtMath>

#include <utility>

using namespace zkdProperty;

namespace {

using Properties = QVector<zkdPropertyInfo>;

const QVector3D white(1.0f, 1.0f, 1.0f);

// The rows of the light block, each with the default most lights use.
zkdPropertyInfo lightRow(const char *name)
{
    static const QHash<QByteArray, zkdPropertyInfo> rows = [] {
        const Properties list = {
            value<bool>("on", true),
            value<QVector3D>("translation", QVector3D()),
            value<QQuaternion>("rotation", QQuaternion()),
            value<bool>("isPhysicallyBased", false),
            value<bool>("isHeadLight", false),
            value<bool>("localLight", false),
            value<bool>("illuminateScene", true),
            value<zkLightTypes::Unit>("lightUnit", zkLightTypes::LuminousFlux),
            value<float>("intensity", 1.0f),
            value<bool>("useLightTemperature", false),
            value<int>("temperature", 6500),
            value<QVector3D>("diffuseColor", white),
            value<QZKSpectrum>("diffuseSpectrum", QZKSpectrum(white)),
            value<QVector3D>("glossyColor", white),
            value<QZKSpectrum>("glossySpectrum", QZKSpectrum(white)),
            subObject<zkdLightTexture>("texture"),
            value<zkLightTypes::Attenuation>("attenuation", zkLightTypes::RealisticAttenuation),
            value<float>("coneAngle", 30.0f),
            value<float>("penumbraAngle", 5.0f),
            subObject<zkdLensFlareEffect>("lensFlareEffect"),
            value<float>("materialShadowIntensity", 1.0f),
            value<float>("groundShadowIntensity", 1.0f),
            subObject<zkdShadowMap>("shadowMap"),
            value<bool>("illuminateShadowMaterial", true),
            value<bool>("castShadowOnShadowMaterial", true),
            value<float>("importanceMultiplier", 1.0f),
            value<bool>("primaryVisibility", true),
            value<bool>("visibleInReflections", true),
            value<uint>("interactiveQuality", 2u),
            value<uint>("stillFrameQuality", 4u),
            subObject<zkdLightProfile>("lightProfile"),
            // Another light's ray file may be set here, so that both share it.
            [] {
                zkdPropertyInfo info = subObject<zkdRayFile>("rayFile");
                info.flags |= zkdPropertyInfo::Writable;
                return info;
            }(),
            value<bool>("visualizationVisible", true),
            value<float>("visualizationScale", 1.0f),
            subObject<zkdLightTransform>("lightTransform"),
        };
        QHash<QByteArray, zkdPropertyInfo> byName;
        for (const zkdPropertyInfo &info : list)
            byName.insert(info.name, info);
        return byName;
    }();
    Q_ASSERT(rows.contains(name));
    return rows.value(name);
}

Properties lightRows(std::initializer_list<const char *> names)
{
    Properties properties;
    for (const char *name : names)
        properties.append(lightRow(name));
    return properties;
}

// Luminous flux (lm) of one unit of intensity, for a point-like light (emitting into the full
// sphere) or an area light (a Lambertian emitter of 1 m²).
double fluxPerUnit(zkLightTypes::Unit unit, bool area)
{
    switch (unit) {
    case zkLightTypes::LuminousFlux: return 1.0;
    case zkLightTypes::LuminousIntensity: return area ? M_PI : 4.0 * M_PI;
    case zkLightTypes::LuminousEmittance: return 1.0;
    case zkLightTypes::Luminance: return M_PI;
    }
    return 1.0;
}

// The unit each light's intensity is given in, as of its last change notification: the hook
// runs after the new unit is stored and needs the one the intensity was given in.
class zkLightUnitTracker
{
public:
    static zkLightUnitTracker &instance()
    {
        static zkLightUnitTracker tracker;
        return tracker;
    }

    zkLightTypes::Unit previous(const zkdObjectData &light) const
    {
        const auto it = m_units.constFind(light.objectId());
        return it != m_units.constEnd() ? it->previous : defaultUnit(light);
    }

private:
    struct Units
    {
        zkLightTypes::Unit previous;
        zkLightTypes::Unit current;
    };

    zkLightUnitTracker()
    {
        zkdObjectManager *manager = zkdObjectManager::instance();
        QObject::connect(manager, &zkdObjectManager::propertyChanged, manager,
                         [this](const zkdObject &object, const QByteArray &name) {
                             if (name == "lightUnit" && object.isTypeOf<zkdBaseLightNode>())
                                 noteChange(object);
                         });
        QObject::connect(manager, &zkdObjectManager::objectDestroyed, manager,
                         [this](const zkdObject &object) { m_units.remove(object.getObjectId()); });
    }

    void noteChange(const zkdObject &light)
    {
        const auto unit = light.property("lightUnit").value<zkLightTypes::Unit>();
        const std::shared_ptr<zkdObjectData> data = light.ptr();
        const auto it = m_units.constFind(light.getObjectId());
        const zkLightTypes::Unit before = it != m_units.constEnd() ? it->current : defaultUnit(*data);
        m_units.insert(light.getObjectId(), {before, unit});
    }

    static zkLightTypes::Unit defaultUnit(const zkdObjectData &light)
    {
        const int index = light.classInfo().indexOf("lightUnit");
        return light.classInfo().properties.at(index).defaultValue.value<zkLightTypes::Unit>();
    }

    QHash<quint64, Units> m_units;
};

void lightCouplings(zkdObjectData &light, const QByteArray &name)
{
    if (name != "lightUnit")
        return;
    const auto from = zkLightUnitTracker::instance().previous(light);
    const auto to = light.property("lightUnit").value<zkLightTypes::Unit>();
    const bool area = light.handle().isTypeOf<zkdAreaLightNode>();
    const double intensity = light.property("intensity").toDouble();
    light.setProperty("intensity", float(intensity * fluxPerUnit(from, area) / fluxPerUnit(to, area)));
}

void lightTextureCouplings(zkdObjectData &texture, const QByteArray &name)
{
    if (name == "image")
        texture.setProperty("useTexture", !texture.property("image").value<zkdImage>().isNull());
    zkdTextureCouplings::inlineImageSequence(texture, name);
}

// The file name each ray file had before its last change notification: the hook runs after the
// new name is stored and puts the old one back when the new file cannot be read.
class zkRayFileNameTracker
{
public:
    static zkRayFileNameTracker &instance()
    {
        static zkRayFileNameTracker tracker;
        return tracker;
    }

    QString previous(const zkdObjectData &file) const { return m_names.value(file.objectId()).previous; }

private:
    struct Names
    {
        QString previous;
        QString current;
    };

    zkRayFileNameTracker()
    {
        zkdObjectManager *manager = zkdObjectManager::instance();
        QObject::connect(manager, &zkdObjectManager::propertyChanged, manager,
                         [this](const zkdObject &object, const QByteArray &name) {
                             if (name == "fileName" && object.isTypeOf<zkdRayFile>()) {
                                 Names &names = m_names[object.getObjectId()];
                                 names.previous = std::exchange(names.current, object.property("fileName").toString());
                             }
                         });
        QObject::connect(manager, &zkdObjectManager::objectDestroyed, manager,
                         [this](const zkdObject &object) { m_names.remove(object.getObjectId()); });
    }

    QHash<quint64, Names> m_names;
};

void rayFileCouplings(zkdObjectData &file, const QByteArray &name)
{
    static bool restoring = false;
    if (name != "fileName" || restoring)
        return;
    QString error;
    if (zkd_cast<zkdRayFile>(file.handle()).reload(&error))
        return;
    qWarning().noquote() << error;
    // The edit merges with its undo back into nothing, so that no step is left.
    const QScopedValueRollback<bool> guard(restoring, true);
    file.setProperty(name, zkRayFileNameTracker::instance().previous(file));
}

void registerLightSubObjects()
{
    // Listens from the start, so that it knows the names set before the first edit.
    zkRayFileNameTracker::instance();
    zkdObjectManager::registerClass<zkdLightTransform>();
    zkdObjectManager::registerClass<zkdShadowMap>({
        value<float>("filterRadius", 0.005f),
        value<int>("resolution", 2048),
    });
    zkdObjectManager::registerClass<zkdLightProfile>({
        value<bool>("useLightProfile", false),
    });
    zkdObjectManager::registerClass<zkdAreaLightCone>({
        value<bool>("useConeAngle", false),
        value<float>("coneAngle", 45.0f),
        value<float>("penumbraAngle", 5.0f),
    });
    zkdObjectManager::registerClass<zkdLightTexture>({
        value<float>("anisotropy", 0.0f),
        value<bool>("useTexture", false),
        reference<zkdImage>("image"),
        value<bool>("useImageSequence", false),
        value<int>("frameOffset", 0),
        value<bool>("inlineImageSequence", false),
        value<zkTextureTypes::RepeatMode>("repeatModeU", zkTextureTypes::Repeat),
        value<zkTextureTypes::RepeatMode>("repeatModeV", zkTextureTypes::Repeat),
        value<bool>("connectRepeatModes", true),
        value<QVector2D>("repeat", QVector2D(1.0f, 1.0f)),
        value<QVector2D>("offset", QVector2D()),
        value<float>("rotate", 0.0f),
    }, lightTextureCouplings);
    // What the header of the file says; only a load changes it.
    zkdObjectManager::registerClass<zkdRayFileInfo>({
        value<float>("luminousPower", 0.0f, 0),
        value<int>("numberOfRays", 0, 0),
        value<float>("scalingFactor", 1.0f, 0),
        value<QString>("spectralInformationString", QString(), 0),
    });
    zkdObjectManager::registerClass<zkdRayFile>({
        value<bool>("useRayFile", false),
        value<int>("numberOfRays", 0),
        value<float>("scalingFactor", 1.0f),
        value<QString>("spectralInformationString", QString()),
        value<QString>("fileName", QString()),
        value<bool>("useRandomSampling", false),
        value<bool>("usePhotonsForDirectLighting", false),
        value<uint>("visualizationRayCount", 1024u),
        value<double>("visualizationRayLength", 100.0),
        value<double>("directEvaluationConeAngle", 10.0),
        value<double>("directEvaluationRadius", 1.0),
        value<double>("directEvaluationOffset", 0.0),
        subObject<zkdRayFileInfo>("rayFileInfo"),
    }, rayFileCouplings);
}

void registerLightNodes()
{
    // The rows every kind of light has; the kinds add theirs in the order their editors list them.
    zkdObjectManager::registerClass<zkdBaseLightNode>(lightRows({
        "on", "translation", "rotation", "isPhysicallyBased", "lightUnit", "intensity",
        "useLightTemperature", "temperature", "diffuseColor", "diffuseSpectrum", "glossyColor",
        "glossySpectrum", "materialShadowIntensity", "groundShadowIntensity",
        "illuminateShadowMaterial", "castShadowOnShadowMaterial", "importanceMultiplier",
        "visualizationVisible", "lightTransform"}), lightCouplings);
    zkdObjectManager::registerClass<zkdAreaLightNode>(lightRows({
        "localLight", "illuminateScene", "texture", "attenuation", "shadowMap", "primaryVisibility",
        "visibleInReflections", "interactiveQuality", "stillFrameQuality", "lightProfile"}));
    zkdObjectManager::registerClass<zkdDiskLightNode>({subObject<zkdAreaLightCone>("areaLightCone")});
    zkdObjectManager::registerClass<zkdRectangularLightNode>({subObject<zkdAreaLightCone>("areaLightCone")});

    // A directional light has no size, so its intensity can only be a luminance.
    Properties directional = lightRows({
        "isHeadLight", "localLight", "illuminateScene", "shadowMap", "visualizationScale", "lightUnit"});
    directional.last().defaultValue = QVariant::fromValue(zkLightTypes::Luminance);
    zkdObjectManager::registerClass<zkdDirectionalLightNode>(directional);

    zkdObjectManager::registerClass<zkdPointLightNode>(lightRows({
        "localLight", "illuminateScene", "texture", "attenuation", "shadowMap", "lightProfile",
        "visualizationScale", "lensFlareEffect"}));
    zkdObjectManager::registerClass<zkdSpotLightNode>(lightRows({"coneAngle", "penumbraAngle"}));
    zkdObjectManager::registerClass<zkdRayLightNode>(lightRows({"rayFile"}));
}

} // namespace

void registerLightClasses()
{
    qRegisterMetaType<zkLightTypes::Unit>();
    qRegisterMetaType<zkLightTypes::Attenuation>();
    registerLightSubObjects();
    registerLightNodes();
    zkLightUnitTracker::instance();
}
