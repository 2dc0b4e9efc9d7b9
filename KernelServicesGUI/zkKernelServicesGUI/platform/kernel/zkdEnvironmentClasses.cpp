#include "zkdEnvironmentClasses.h"

#include "zkdEnvironmentColorCorrection.h"
#include "zkdEnvironmentRaytracing.h"
#include "zkdEnvironmentShadowsAndIllumination.h"
#include "zkdEnvironmentTransformation.h"
#include "zkdHDRLightStudio.h"
#include "zkdMaterialCouplings.h"
#include "zkdObjectManager.h"
#include "zkdSkylightLocation.h"
#include "zkdSkylightSkyAndSun.h"

#include <QVector3D>

using namespace zkdProperty;

void registerEnvironmentClasses()
{
    zkdObjectManager::registerClass<zkdEnvironmentColorCorrection>({
        value<float>("exposure", 1.0f),
        value<int>("whiteBalance", 6500),
        value<float>("hueShift", 0.0f),
        value<float>("contrast", 1.0f),
        value<float>("brightness", 1.0f),
        value<float>("saturation", 1.0f),
        value<float>("reflectedSaturation", 1.0f),
    });
    zkdObjectManager::registerClass<zkdEnvironmentRaytracing>({
        value<bool>("isVisibleInReflections", true),
        value<bool>("isLightsource", true),
        value<bool>("useAccurateReflections", false),
        value<bool>("emitCaustics", false),
        value<int>("materialId", 0),
        value<zkdEnvironmentRaytracing::IlluminationMode>("illuminationMode", zkdEnvironmentRaytracing::FullSphere),
        value<bool>("overrideIblSampling", false),
        value<int>("interactiveIblSamplingQuality", 1),
        value<int>("stillFrameIblSamplingQuality", 2),
    });
    zkdObjectManager::registerClass<zkdEnvironmentShadowsAndIllumination>({
        value<uint>("lightsourcesCount", 8),
        value<bool>("useLightsourcesOnly", false),
        value<float>("materialShadowIntensity", 1.0f),
        value<float>("groundShadowIntensity", 1.0f),
        value<float>("mapFilterRadius", 1.0f),
        // In pixels, as the shadow maps of lights: 128 to 16384.
        value<uint>("mapResolution", 1024),
    });
    zkdObjectManager::registerClass<zkdEnvironmentTransformation>({
        value<float>("environmentSize", 5000.0f),
        value<QVector3D>("center"),
        command("centerFromObject"),
        value<QVector3D>("rotate"),
        value<QVector3D>("scale", QVector3D(1.0f, 1.0f, 1.0f)),
    }, zkdMaterialCouplings::resetCommand);
    zkdObjectManager::registerClass<zkdHDRLightStudio>({
        command("editAndLoadSettings"),
        command("settings"),
        value<bool>("lightPaint", false),
        value<zkdHDRLightStudio::LightPaintMode>("lightPaintMode", zkdHDRLightStudio::ReflectionPainting),
    }, zkdMaterialCouplings::resetCommand);
    zkdObjectManager::registerClass<zkdSkylightLocation>({
        value<float>("longitude", 11.58f),
        value<float>("latitude", 48.14f),
        value<bool>("useDaylightSavingTime", false),
        value<float>("timeZone", 1.0f),
        value<QString>("closestCity", QStringLiteral("Munich")),
    }, zkdMaterialCouplings::skylightLocation);
    zkdObjectManager::registerClass<zkdSkylightSkyAndSun>({
        value<zkdSkylightSkyAndSun::SkyModel>("skyModel", zkdSkylightSkyAndSun::Realistic),
        value<float>("skyTurbidity", 3.0f),
        value<float>("sunScale", 1.0f),
        value<bool>("sunVisibleInSpecularReflections", true),
        value<bool>("useMirroredSkyAsGround", false),
        value<QVector3D>("groundColor", QVector3D(0.2f, 0.2f, 0.2f)),
    });
}
