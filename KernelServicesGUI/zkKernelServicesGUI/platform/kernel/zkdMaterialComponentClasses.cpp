#include "zkdMaterialComponentClasses.h"

#include "QZKSpectrum.h"
#include "zkdBRDFCommon.h"
#include "zkdCarbonPattern2D.h"
#include "zkdCarbonPattern3D.h"
#include "zkdFlakeLayer.h"
#include "zkdFlipflopFlakeLayer.h"
#include "zkdIncandescence.h"
#include "zkdIncandescenceTexture.h"
#include "zkdMaterial.h"
#include "zkdMaterialCouplings.h"
#include "zkdMetallicPaintClearcoat.h"
#include "zkdOCSClearcoat.h"
#include "zkdObjectManager.h"
#include "zkdRaytracing.h"
#include "zkdRoundedEdges.h"
#include "zkdSubsurfaceScattering.h"
#include "zkdSubsurfaceScatteringTexture.h"
#include "zkdTransparency.h"
#include "zkdTransparencyTexture.h"
#include "zkdUVIncandescence.h"
#include "zkdUVSubsurfaceScattering.h"
#include "zkdUVTransparency.h"
#include "zkdUnicolorPaintClearcoat.h"

#include <QVector3D>

using namespace zkdProperty;

namespace {

const QVector3D black(0.0f, 0.0f, 0.0f);
const QVector3D white(1.0f, 1.0f, 1.0f);

// zkdTransparency and zkdUVTransparency are siblings with the same rows; so are the two
// incandescence and the two subsurface scattering classes.
template <typename T>
void registerTransparency()
{
    zkdObjectManager::registerClass<T>({
        value<QVector3D>("seeThrough", black),
        subObject<zkdTransparencyTexture>("texture"),
    });
}

template <typename T>
void registerIncandescence()
{
    zkdObjectManager::registerClass<T>({
        value<float>("intensity", 1.0f),
        value<QVector3D>("color", black),
        value<bool>("directRaylightEvaluation", false),
        value<bool>("useAsLightSource", false),
        value<bool>("illuminateShadowMaterial", false),
        value<bool>("castShadowOnShadowMaterial", false),
        value<float>("shadowIntensity", 1.0f),
        value<float>("groundShadowIntensity", 1.0f),
        value<float>("importanceMultiplier", 1.0f),
        value<uint>("interactiveAreaLightQuality", 1),
        value<uint>("areaLightQuality", 2),
        subObject<zkdIncandescenceTexture>("texture"),
    });
}

template <typename T>
void registerSubsurfaceScattering()
{
    zkdObjectManager::registerClass<T>({
        value<typename T::Mode>("mode", T::NoScattering),
        value<QVector3D>("color", white),
        value<float>("roughness", 0.5f),
        value<float>("attenuation", 1.0f),
        value<float>("asymmetry", 0.0f),
        value<typename T::MediaType>("mediaType", T::CustomMedium),
        value<float>("refractionIndex", 1.5f),
        subObject<zkdSubsurfaceScatteringTexture>("texture"),
    }, zkdMaterialCouplings::subsurfaceMedium);
}

void registerClearcoats()
{
    zkdObjectManager::registerClass<zkdClearcoat>({
        value<zkdClearcoat::Type>("type", zkdClearcoat::Off),
        value<QVector3D>("color", white),
        value<float>("reflectivity", 0.05f),
    });
    zkdObjectManager::registerClass<zkdPaintClearcoat>({
        // Paint is always lacquered.
        value<zkdClearcoat::Type>("type", zkdClearcoat::Accurate),
        value<bool>("useOrangePeel", false),
        value<float>("orangePeelFrequency", 1.0f),
        value<float>("orangePeelIntensity", 0.5f),
    });
    zkdObjectManager::registerClass<zkdMetallicPaintClearcoat>({
        value<float>("thickness", 1.0f),
        value<float>("density", 0.1f),
    });
    // Its rows are those of zkdPaintClearcoat, which the editor lists as its own.
    zkdObjectManager::registerClass<zkdUnicolorPaintClearcoat>();
    zkdObjectManager::registerClass<zkdOCSClearcoat>({
        value<QVector3D>("color", white),
        value<float>("reflectivity", 0.05f),
        value<float>("fresnelIOR", 1.5f),
        value<zkdOCSClearcoat::FresnelQuality>("fresnelQuality", zkdOCSClearcoat::Accurate),
    });
}

void registerFlakesAndPatterns()
{
    const QVector3D pigment(0.5f, 0.02f, 0.02f);
    const QVector3D flipFlop(0.2f, 0.4f, 0.9f);
    zkdObjectManager::registerClass<zkdFlakeLayer>({
        value<QVector3D>("pigmentColor", pigment),
        value<QZKSpectrum>("pigmentSpectrum", QZKSpectrum(pigment)),
        value<float>("pigmentConcentration", 0.5f),
        value<QVector3D>("flakeColor", QVector3D(0.9f, 0.9f, 0.9f)),
        value<bool>("useFlipFlop", false),
        value<QVector3D>("flipFlopFlakeColor", flipFlop),
        value<QZKSpectrum>("flipFlopFlakeSpectrum", QZKSpectrum(flipFlop)),
        value<float>("flipFlopBlending", 0.5f),
        value<float>("flakeRoughness", 0.2f),
        value<float>("flakeReflectivity", 0.6f),
        value<float>("flakeSize", 0.1f),
        value<float>("flakePerturbation", 0.5f),
        value<float>("flakeDensity", 0.5f),
    });
    zkdObjectManager::registerClass<zkdFlipflopFlakeLayer>({
        value<QVector3D>("color1", QVector3D(0.8f, 0.1f, 0.4f)),
        value<QVector3D>("color2", QVector3D(0.1f, 0.6f, 0.3f)),
        value<float>("blending", 0.5f),
        value<float>("roughness", 0.2f),
        value<float>("size", 0.1f),
        value<float>("intensity", 1.0f),
    });
    zkdObjectManager::registerClass<zkdCarbonPattern>({
        value<zkdCarbonPattern::Type>("type", zkdCarbonPattern::Pattern2x2),
        value<float>("size", 5.0f),
        value<float>("intensity", 1.0f),
    });
    zkdObjectManager::registerClass<zkdCarbonPattern2D>({
        value<float>("rotation", 0.0f),
    });
    zkdObjectManager::registerClass<zkdCarbonPattern3D>({
        value<float>("rotationX", 0.0f),
        value<float>("rotationY", 0.0f),
        value<float>("rotationZ", 0.0f),
    });
}

} // namespace

void registerMaterialComponentClasses()
{
    zkdObjectManager::registerClass<zkdBRDFCommon>({
        value<QVector3D>("occlusionColor", black),
        value<float>("occlusionIntensity", 1.0f),
        value<int>("sortKey", 0),
        reference<zkdMaterial>("environment"),
        value<zkdBRDFCommon::LightingMode>("lightingMode", zkdBRDFCommon::IBLIndirectAndDirectLights),
        value<zkdBRDFCommon::VrsQuality>("vrsQuality", zkdBRDFCommon::Off),
    });
    zkdObjectManager::registerClass<zkdRaytracing>({
        value<int>("materialId", 0),
        value<float>("lineTubeRadius", 1.0f),
        value<bool>("useLocalEnvironment", false),
        value<bool>("ignorePhotonMap", false),
        value<bool>("overrideIllumination", false),
        value<zkdRaytracing::IlluminationMode>("interactiveIlluminationMode", zkdRaytracing::PrecomputedAndIBL),
        value<zkdRaytracing::IlluminationMode>("stillFrameIlluminationMode", zkdRaytracing::FullGlobalIllumination),
        value<bool>("overrideIblSampling", false),
        value<int>("interactiveIblSamplingQuality", 1),
        value<int>("stillFrameIblSamplingQuality", 2),
        value<bool>("overrideReflectionSampling", false),
        value<int>("interactiveReflectionSamplingQuality", 1),
        value<int>("stillFrameReflectionSamplingQuality", 2),
        value<bool>("overrideTraceDepth", false),
        value<int>("interactiveTraceDepth", 8),
        value<int>("stillFrameTraceDepth", 16),
    });
    zkdObjectManager::registerClass<zkdRoundedEdges>({
        value<zkdRoundedEdges::EdgeMode>("mode", zkdRoundedEdges::Off),
        value<int>("groupId", 0),
        value<zkdRoundedEdges::EdgeType>("edgeType", zkdRoundedEdges::ConvexAndConcave),
        value<float>("radius", 0.5f),
        value<float>("chamfer", 0.0f),
        value<float>("angleLimit", 60.0f),
        value<int>("quality", 2),
    });
    registerTransparency<zkdTransparency>();
    registerTransparency<zkdUVTransparency>();
    registerIncandescence<zkdIncandescence>();
    registerIncandescence<zkdUVIncandescence>();
    registerSubsurfaceScattering<zkdSubsurfaceScattering>();
    registerSubsurfaceScattering<zkdUVSubsurfaceScattering>();
    registerClearcoats();
    registerFlakesAndPatterns();
}
