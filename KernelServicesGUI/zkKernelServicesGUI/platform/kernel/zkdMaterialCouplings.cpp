#include "zkdMaterialCouplings.h"

#include "zkControllerService.h"
#include "zkKernelServiceFactory.h"
#include "zkdBrushedMetalMaterial.h"
#include "zkdClassInfo.h"
#include "zkdGlassMaterial.h"
#include "zkdObjectData.h"
#include "zkdSubsurfaceScattering.h"
#include "zkdWovenClothMaterial.h"

#include <QVector3D>

#include <iterator>

namespace {

// Reflectivity at normal incidence of the metals of zkdBrushedMetalMaterial::MetalType, in its
// order from Aluminium on.
constexpr float metalReflectivities[] = {
    0.91f, 0.18f, 0.95f, 0.75f, 0.67f, 0.70f, 0.60f, 0.88f, 0.76f, 0.66f,
    0.92f, 0.70f, 0.74f, 0.35f, 0.38f, 0.95f, 0.78f, 0.50f, 0.58f, 0.56f,
};
static_assert(std::size(metalReflectivities) == size_t(zkdBrushedMetalMaterial::Iron), "one per metal");

struct GlassMedium
{
    float refractionIndex;
    float abbeNumber;
};

// By zkdGlassMaterial::MediumType from Diamond on. Polysilicon is held at 3, the highest index
// glass offers.
constexpr GlassMedium glassMedia[] = {
    {2.417f, 55.3f},
    {3.0f, 12.0f},
    {1.491f, 57.2f},
    {1.590f, 30.9f},
};
static_assert(std::size(glassMedia) == size_t(zkdGlassMaterial::Polystyrene), "one per medium");

// By zkdSubsurfaceScattering::MediaType from Diamond on (zkdUVSubsurfaceScattering has the
// same list).
constexpr float subsurfaceMedia[] = {
    2.417f, 3.9f, 1.491f, 1.590f, 1.585f, 1.361f, 1.329f, 1.3331f,
    1.3326f, 1.517f, 1.88f, 1.58f, 1.66f, 1.458f, 1.6f,
};
static_assert(std::size(subsurfaceMedia) == size_t(zkdSubsurfaceScattering::FusedGermania), "one per medium");

struct ClothPreset
{
    QVector3D diffuseColor;
    float darkening;
    QVector3D warpColor;
    QVector3D weftColor;
    zkdWovenClothMaterial::WeaveType weaveType;
    zkdWovenClothMaterial::YarnType yarnType;
    float yarnTwistAngle;
    float highlightWidth;
    float exposure;
    float noiseIntensity;
    float moireRemoval;
    float warpYarnCurvature;
    float weftYarnCurvature;
};

constexpr float filamentTwistAngle = 90.0f;

// By zkdWovenClothMaterial::ClothPresets from CottonJersey on.
const ClothPreset clothPresets[] = {
    {{0.55f, 0.55f, 0.6f}, 1.2f, {0.6f, 0.6f, 0.65f}, {0.55f, 0.55f, 0.6f},
     zkdWovenClothMaterial::PlainPattern, zkdWovenClothMaterial::Staple, 40.0f, 0.4f, 1.0f, 0.3f, 0.5f, 1.5f, 1.5f},
    {{0.5f, 0.45f, 0.35f}, 1.0f, {0.55f, 0.5f, 0.4f}, {0.5f, 0.45f, 0.35f},
     zkdWovenClothMaterial::Twill3x1Pattern, zkdWovenClothMaterial::Staple, 35.0f, 0.45f, 1.0f, 0.25f, 0.5f, 1.2f, 0.8f},
    {{0.12f, 0.2f, 0.38f}, 1.5f, {0.1f, 0.18f, 0.4f}, {0.75f, 0.75f, 0.7f},
     zkdWovenClothMaterial::DenimPattern, zkdWovenClothMaterial::Staple, 30.0f, 0.5f, 1.1f, 0.35f, 0.5f, 1.0f, 0.6f},
    {{0.8f, 0.76f, 0.66f}, 0.8f, {0.82f, 0.78f, 0.68f}, {0.78f, 0.74f, 0.64f},
     zkdWovenClothMaterial::PlainPattern, zkdWovenClothMaterial::Staple, 25.0f, 0.5f, 1.0f, 0.4f, 0.4f, 0.8f, 0.8f},
    {{0.7f, 0.64f, 0.52f}, 1.0f, {0.72f, 0.66f, 0.54f}, {0.68f, 0.62f, 0.5f},
     zkdWovenClothMaterial::PlainPattern, zkdWovenClothMaterial::Staple, 28.0f, 0.55f, 1.0f, 0.6f, 0.3f, 2.0f, 2.0f},
    {{0.3f, 0.32f, 0.36f}, 0.6f, {0.3f, 0.32f, 0.36f}, {0.28f, 0.3f, 0.34f},
     zkdWovenClothMaterial::PlainPattern, zkdWovenClothMaterial::Filament, filamentTwistAngle, 0.8f, 1.2f, 0.05f, 0.7f, 0.5f, 0.5f},
    {{0.7f, 0.1f, 0.2f}, 0.5f, {0.72f, 0.1f, 0.2f}, {0.6f, 0.08f, 0.16f},
     zkdWovenClothMaterial::SatinPattern, zkdWovenClothMaterial::Filament, filamentTwistAngle, 0.9f, 1.3f, 0.05f, 0.8f, 0.3f, 0.3f},
    {{0.85f, 0.8f, 0.7f}, 0.4f, {0.86f, 0.81f, 0.7f}, {0.84f, 0.79f, 0.69f},
     zkdWovenClothMaterial::SilkPattern, zkdWovenClothMaterial::Filament, filamentTwistAngle, 1.0f, 1.4f, 0.02f, 0.8f, 0.2f, 0.2f},
    {{0.92f, 0.92f, 0.9f}, 1.0f, {0.93f, 0.93f, 0.91f}, {0.9f, 0.9f, 0.88f},
     zkdWovenClothMaterial::Twill5x1Pattern, zkdWovenClothMaterial::Staple, 35.0f, 0.45f, 1.0f, 0.2f, 0.5f, 1.0f, 1.0f},
    {{0.4f, 0.25f, 0.5f}, 0.7f, {0.42f, 0.26f, 0.52f}, {0.38f, 0.24f, 0.48f},
     zkdWovenClothMaterial::Twill3x1Pattern, zkdWovenClothMaterial::Filament, filamentTwistAngle, 0.7f, 1.1f, 0.1f, 0.6f, 0.6f, 0.6f},
};
static_assert(std::size(clothPresets) == size_t(zkdWovenClothMaterial::Viscose), "one per preset");

int intValue(const zkdObjectData &object, const char *name)
{
    return object.property(QByteArray(name)).toInt();
}

float floatValue(const zkdObjectData &object, const char *name)
{
    return object.property(QByteArray(name)).toFloat();
}

void write(zkdObjectData &object, const char *name, const QVariant &value)
{
    object.setProperty(QByteArray(name), value);
}

} // namespace

namespace zkdMaterialCouplings {

float fresnelReflectivity(float refractionIndex)
{
    const float r = (refractionIndex - 1.0f) / (refractionIndex + 1.0f);
    return r * r;
}

void analyticDiffuseColor(zkdObjectData &material, const QByteArray &name)
{
    if (name == "diffuseColor" || name == "exteriorColor")
        write(material, "analyticDiffuseColor", material.property(name));
}

void brushedMetal(zkdObjectData &material, const QByteArray &name)
{
    if (name != "metalType")
        return;
    const int metal = intValue(material, "metalType");
    if (metal > zkdBrushedMetalMaterial::CustomReflectivity && metal <= zkdBrushedMetalMaterial::Iron)
        write(material, "reflectivity", metalReflectivities[metal - 1]);
}

void glassMedium(zkdObjectData &material, const QByteArray &name)
{
    const int medium = intValue(material, "mediumType");
    const bool preset = medium > zkdGlassMaterial::Custom && medium <= zkdGlassMaterial::Polystyrene;
    if (name == "mediumType") {
        if (preset) {
            write(material, "refractionIndex", glassMedia[medium - 1].refractionIndex);
            write(material, "abbeNumber", glassMedia[medium - 1].abbeNumber);
        }
    } else if (name == "refractionIndex") {
        const float index = floatValue(material, "refractionIndex");
        if (preset && !qFuzzyCompare(index, glassMedia[medium - 1].refractionIndex))
            write(material, "mediumType", int(zkdGlassMaterial::Custom));
        if (!material.property("useCustomReflectivity").toBool())
            write(material, "reflectivity", fresnelReflectivity(index));
    } else if (name == "abbeNumber") {
        if (preset && !qFuzzyCompare(floatValue(material, "abbeNumber"), glassMedia[medium - 1].abbeNumber))
            write(material, "mediumType", int(zkdGlassMaterial::Custom));
    } else if (name == "useCustomReflectivity") {
        if (!material.property("useCustomReflectivity").toBool())
            write(material, "reflectivity", fresnelReflectivity(floatValue(material, "refractionIndex")));
    }
}

void subsurfaceMedium(zkdObjectData &scattering, const QByteArray &name)
{
    const int medium = intValue(scattering, "mediaType");
    if (medium <= zkdSubsurfaceScattering::CustomMedium || medium > zkdSubsurfaceScattering::FusedGermania)
        return;
    const float presetIndex = subsurfaceMedia[medium - 1];
    if (name == "mediaType")
        write(scattering, "refractionIndex", presetIndex);
    else if (name == "refractionIndex" && !qFuzzyCompare(floatValue(scattering, "refractionIndex"), presetIndex))
        write(scattering, "mediaType", int(zkdSubsurfaceScattering::CustomMedium));
}

void wovenCloth(zkdObjectData &material, const QByteArray &name)
{
    if (name == "yarnType") {
        if (intValue(material, "yarnType") == zkdWovenClothMaterial::Filament)
            write(material, "yarnTwistAngle", filamentTwistAngle);
        return;
    }
    if (name != "presetChoice")
        return;
    const int choice = intValue(material, "presetChoice");
    if (choice <= zkdWovenClothMaterial::Custom || choice > zkdWovenClothMaterial::Viscose)
        return;
    const ClothPreset &preset = clothPresets[choice - 1];
    write(material, "diffuseColor", preset.diffuseColor);
    write(material, "darkening", preset.darkening);
    write(material, "warpColor", preset.warpColor);
    write(material, "weftColor", preset.weftColor);
    write(material, "weaveType", int(preset.weaveType));
    write(material, "yarnType", int(preset.yarnType));
    write(material, "yarnTwistAngle", preset.yarnTwistAngle);
    write(material, "highlightWidth", preset.highlightWidth);
    write(material, "exposure", preset.exposure);
    write(material, "noiseIntensity", preset.noiseIntensity);
    write(material, "moireRemoval", preset.moireRemoval);
    write(material, "warpYarnCurvature", preset.warpYarnCurvature);
    write(material, "weftYarnCurvature", preset.weftYarnCurvature);
}

void skylightLocation(zkdObjectData &location, const QByteArray &name)
{
    if (name == "longitude" || name == "latitude") {
        const zkKernelServiceFactory &factory = zkKernelServiceFactory::the();
        if (!factory.hasService(zkControllerService::staticMetaObject.className()))
            return;
        if (const auto *controller = factory.getService<zkControllerService>()) {
            write(location, "closestCity",
                  controller->getClosestCity(floatValue(location, "longitude"), floatValue(location, "latitude")));
        }
    } else if (name == "useDaylightSavingTime") {
        const float shift = location.property(name).toBool() ? 1.0f : -1.0f;
        write(location, "timeZone", floatValue(location, "timeZone") + shift);
    }
}

void resetCommand(zkdObjectData &object, const QByteArray &name)
{
    const zkdClassInfo &info = object.classInfo();
    const int index = info.indexOf(name);
    const zkdPropertyInfo &property = info.properties.at(index);
    if ((property.flags & zkdPropertyInfo::NoCache) && property.type == QMetaType::Bool && object.property(index).toBool())
        object.setProperty(name, false);
}

} // namespace zkdMaterialCouplings
