#include "zkdMaterialClasses.h"

#include "QZKSpectrum.h"
#include "zkMaterialId.h"
#include "zkdBRDFCommon.h"
#include "zkdBrushedMetalMaterial.h"
#include "zkdBumpTexture.h"
#include "zkdCarbon2DMaterial.h"
#include "zkdCarbonMaterial.h"
#include "zkdCarbonPattern2D.h"
#include "zkdCarbonPattern3D.h"
#include "zkdChromeMaterial.h"
#include "zkdDiffuseTexture.h"
#include "zkdDisplacementTexture.h"
#include "zkdEnvironmentClasses.h"
#include "zkdEnvironmentColorCorrection.h"
#include "zkdEnvironmentMaterial.h"
#include "zkdEnvironmentRaytracing.h"
#include "zkdEnvironmentShadowsAndIllumination.h"
#include "zkdEnvironmentSwitchMaterial.h"
#include "zkdEnvironmentTransformation.h"
#include "zkdExteriorTransparencyTexture.h"
#include "zkdFlakeLayer.h"
#include "zkdFlipflopFlakeLayer.h"
#include "zkdFlipflopMaterial.h"
#include "zkdGlassMaterial.h"
#include "zkdGlassTriTexture.h"
#include "zkdGlossyTexture.h"
#include "zkdHDRLightStudio.h"
#include "zkdIncandescence.h"
#include "zkdLayeredMaterial.h"
#include "zkdLightPortalMaterial.h"
#include "zkdLineChromeMaterial.h"
#include "zkdMaterialComponentClasses.h"
#include "zkdMaterialCouplings.h"
#include "zkdMetallicPaintClearcoat.h"
#include "zkdMetallicPaintMaterial.h"
#include "zkdMultiPassMaterial.h"
#include "zkdOCSClearcoat.h"
#include "zkdOCSMaterial.h"
#include "zkdObjectManager.h"
#include "zkdPaintClearcoat.h"
#include "zkdPhongMaterial.h"
#include "zkdPlasticMaterial.h"
#include "zkdRaytracing.h"
#include "zkdReflectivePlasticMaterial.h"
#include "zkdRoughnessTexture.h"
#include "zkdRoundedEdges.h"
#include "zkdShadowMaterial.h"
#include "zkdSkylightLocation.h"
#include "zkdSkylightMaterial.h"
#include "zkdSkylightSkyAndSun.h"
#include "zkdStructuredBumpTexture.h"
#include "zkdSubstanceEnvironmentMaterial.h"
#include "zkdSubstanceMaterial.h"
#include "zkdSubsurfaceScattering.h"
#include "zkdTextureClasses.h"
#include "zkdTireMaterial.h"
#include "zkdTransparency.h"
#include "zkdTriTexture.h"
#include "zkdUVDiffuseTexture.h"
#include "zkdUVIncandescence.h"
#include "zkdUVSubsurfaceScattering.h"
#include "zkdUVTransparency.h"
#include "zkdUnicolorPaintClearcoat.h"
#include "zkdUnicolorPaintMaterial.h"
#include "zkdVelvetMaterial.h"
#include "zkdWovenClothMaterial.h"
#include "zkdXRayMaterial.h"
#include "zkdXRiteMeasuredMaterial.h"
#include "zkdYarnTexture.h"

#include <QDate>
#include <QTime>
#include <QVector3D>

using namespace zkdProperty;

namespace {

using Properties = QVector<zkdPropertyInfo>;

const QVector3D black(0.0f, 0.0f, 0.0f);
const QVector3D white(1.0f, 1.0f, 1.0f);
const QVector3D chrome(0.9f, 0.9f, 0.9f);

// Written again by a loaded file that did not change: the no-cache flag lets "Reload" through.
zkdPropertyInfo fileName(const char *name)
{
    return value<QString>(name, QString(), zkdPropertyInfo::Writable | zkdPropertyInfo::NoCache);
}

// The colour rows most surface materials open with. The analytic colour, a zkdBRDFMaterial row,
// starts out as the diffuse colour it follows.
Properties diffuseColor(const QVector3D &diffuse)
{
    return {
        value<QVector3D>("diffuseColor", diffuse),
        value<QZKSpectrum>("diffuseSpectrumColor", QZKSpectrum(diffuse)),
        value<QVector3D>("analyticDiffuseColor", diffuse),
    };
}

Properties diffuseAndGlossyColor(const QVector3D &diffuse, const QVector3D &glossy)
{
    return diffuseColor(diffuse) + Properties{
        value<QVector3D>("glossyColor", glossy),
        value<QZKSpectrum>("glossySpectrumColor", QZKSpectrum(glossy)),
    };
}

void registerBaseMaterials()
{
    zkdObjectManager::registerClass<zkdMaterial>({
        value<QString>("name"),
        value<QStringList>("tags"),
        subObject<zkdRaytracing>("raytracing"),
    });
    zkdObjectManager::registerClass<zkdBRDFMaterial>({
        value<bool>("useRealisticSettings", false),
        value<QVector3D>("analyticDiffuseColor", QVector3D(0.8f, 0.8f, 0.8f)),
        subObject<zkdTransparency>("transparency"),
        subObject<zkdRaytracing>("raytracing"),
        subObject<zkdRoundedEdges>("roundedEdges"),
        subObject<zkdBRDFCommon>("common"),
    }, zkdMaterialCouplings::analyticDiffuseColor);
}

void registerMetals()
{
    zkdObjectManager::registerClass<zkdBrushedMetalMaterial>(
            diffuseAndGlossyColor(QVector3D(0.6f, 0.6f, 0.6f), chrome) + Properties{
        value<float>("roughnessU", 0.1f),
        value<float>("roughnessV", 0.6f),
        value<zkdBrushedMetalMaterial::MetalType>("metalType", zkdBrushedMetalMaterial::CustomReflectivity),
        value<float>("reflectivity", 0.8f),
        subObject<zkdClearcoat>("clearcoat"),
        subObject<zkdUVDiffuseTexture>("diffuseTexture"),
        subObject<zkdGlossyTexture>("glossyTexture"),
        subObject<zkdRoughnessTexture>("roughnessTexture"),
        subObject<zkdBumpTexture>("bumpTexture"),
        subObject<zkdIncandescence>("incandescence"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    }, zkdMaterialCouplings::brushedMetal);
    zkdObjectManager::registerClass<zkdChromeMaterial>({
        value<QVector3D>("reflectionColor", chrome),
        value<float>("smear", 0.0f),
        value<float>("contrast", 1.0f),
        value<float>("saturation", 1.0f),
        value<zkdChromeMaterial::MetalType>("metalType", zkdChromeMaterial::HighlyReflective),
        value<bool>("useRoughness", false),
        value<float>("roughness", 0.1f),
        subObject<zkdRoughnessTexture>("roughnessTexture"),
        subObject<zkdBumpTexture>("bumpTexture"),
        subObject<zkdIncandescence>("incandescence"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    });
    zkdObjectManager::registerClass<zkdLineChromeMaterial>({
        value<QVector3D>("reflectionColor", chrome),
        value<bool>("useRoughness", false),
        value<float>("roughness", 0.1f),
        value<float>("lineWidth", 0.5f),
        subObject<zkdDisplacementTexture>("displacementTexture"),
        subObject<zkdRaytracing>("raytracing"),
    });
}

template <typename T, typename Pattern>
void registerCarbon()
{
    zkdObjectManager::registerClass<T>(
            diffuseAndGlossyColor(QVector3D(0.05f, 0.05f, 0.05f), QVector3D(0.5f, 0.5f, 0.5f)) + Properties{
        value<float>("roughness", 0.2f),
        subObject<zkdClearcoat>("clearcoat"),
        subObject<Pattern>("carbonPattern"),
        subObject<zkdStructuredBumpTexture>("bumpTexture"),
        subObject<zkdIncandescence>("incandescence"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    });
}

void registerPaints()
{
    zkdObjectManager::registerClass<zkdFlipflopMaterial>({
        value<QVector3D>("baseColor", QVector3D(0.2f, 0.05f, 0.3f)),
        subObject<zkdFlipflopFlakeLayer>("flakeLayer"),
        subObject<zkdPaintClearcoat>("clearcoat"),
        subObject<zkdIncandescence>("incandescence"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    });
    zkdObjectManager::registerClass<zkdMetallicPaintMaterial>({
        value<zkdMetallicPaintMaterial::PaintType>("paintType", zkdMetallicPaintMaterial::TwoCoat),
        value<QVector3D>("baseColor", QVector3D(0.5f, 0.02f, 0.02f)),
        subObject<zkdFlakeLayer>("primaryFlakeLayer"),
        subObject<zkdFlakeLayer>("secondaryFlakeLayer"),
        subObject<zkdMetallicPaintClearcoat>("clearcoat"),
        subObject<zkdIncandescence>("incandescence"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    });
    zkdObjectManager::registerClass<zkdUnicolorPaintMaterial>({
        value<QVector3D>("baseColor", QVector3D(0.05f, 0.1f, 0.5f)),
        subObject<zkdUnicolorPaintClearcoat>("clearcoat"),
        subObject<zkdIncandescence>("incandescence"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    });
}

void registerGlass()
{
    const QVector3D exterior(0.95f, 0.95f, 0.95f);
    const float refractionIndex = 1.52f;
    zkdObjectManager::registerClass<zkdGlassMaterial>({
        value<QVector3D>("exteriorColor", exterior),
        value<QZKSpectrum>("exteriorColorSpectrum", QZKSpectrum(exterior)),
        value<QVector3D>("analyticDiffuseColor", exterior),
        value<QVector3D>("interiorColor", white),
        value<QVector3D>("reflectionColor", white),
        value<zkdGlassMaterial::MediumType>("mediumType", zkdGlassMaterial::Custom),
        value<float>("refractionIndex", refractionIndex),
        value<float>("simulatedThickness", 1.0f),
        value<bool>("useDispersion", false),
        value<zkdGlassMaterial::DispersionInputType>("dispersionInputType", zkdGlassMaterial::AbbeNumberDLine),
        value<float>("abbeNumber", 58.5f),
        value<float>("reflectivity", zkdMaterialCouplings::fresnelReflectivity(refractionIndex)),
        value<bool>("useCustomReflectivity", false),
        value<zkdGlassMaterial::FresnelQualityType>("fresnelQuality", zkdGlassMaterial::Accurate),
        value<bool>("useSolidShadows", false),
        value<float>("roughness", 0.05f),
        value<bool>("useRoughness", false),
        value<float>("density", 0.1f),
        value<bool>("useDensity", false),
        subObject<zkdGlassTriTexture>("texture"),
        subObject<zkdExteriorTransparencyTexture>("exteriorTransparencyTexture"),
        subObject<zkdRoughnessTexture>("roughnessTexture"),
        subObject<zkdBumpTexture>("bumpTexture"),
        subObject<zkdUVIncandescence>("incandescence"),
        subObject<zkdTransparency>("transparency"),
        subObject<zkdUVTransparency>("uVTransparency"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    }, zkdMaterialCouplings::glassMedium);
}

void registerPlastics()
{
    const QVector3D glossy(0.3f, 0.3f, 0.3f);
    const Properties textures{
        subObject<zkdDiffuseTexture>("diffuseTexture"),
        subObject<zkdGlossyTexture>("glossyTexture"),
        subObject<zkdRoughnessTexture>("roughnessTexture"),
        subObject<zkdBumpTexture>("bumpTexture"),
        subObject<zkdIncandescence>("incandescence"),
        subObject<zkdSubsurfaceScattering>("subsurfaceScattering"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    };
    zkdObjectManager::registerClass<zkdPhongMaterial>(
            diffuseAndGlossyColor(QVector3D(0.8f, 0.8f, 0.8f), glossy) + Properties{
        value<float>("roughness", 0.3f),
        value<float>("diffuseBackscattering", 0.0f),
    } + textures);
    zkdObjectManager::registerClass<zkdPlasticMaterial>(
            diffuseAndGlossyColor(QVector3D(0.7f, 0.1f, 0.1f), glossy) + Properties{
        value<float>("roughness", 0.2f),
        value<float>("reflectivity", 0.5f),
    } + textures);
    zkdObjectManager::registerClass<zkdReflectivePlasticMaterial>(
            diffuseAndGlossyColor(QVector3D(0.8f, 0.4f, 0.1f), glossy) + Properties{
        value<float>("reflectivity", 0.3f),
        value<zkdReflectivePlasticMaterial::FresnelQuality>("fresnelQuality", zkdReflectivePlasticMaterial::Accurate),
        subObject<zkdDiffuseTexture>("diffuseTexture"),
        subObject<zkdGlossyTexture>("glossyTexture"),
        subObject<zkdBumpTexture>("bumpTexture"),
        subObject<zkdIncandescence>("incandescence"),
        subObject<zkdSubsurfaceScattering>("subsurfaceScattering"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    });
}

void registerFabrics()
{
    // The cloth rows behind the triplanar weave, shared by velvet and woven cloth.
    const Properties clothTextures{
        subObject<zkdBumpTexture>("bumpTexture"),
        subObject<zkdUVIncandescence>("incandescence"),
        subObject<zkdTransparency>("transparency"),
        subObject<zkdUVTransparency>("uVTransparency"),
        subObject<zkdUVSubsurfaceScattering>("subsurfaceScattering"),
        subObject<zkdDisplacementTexture>("displacementTexture"),
    };
    zkdObjectManager::registerClass<zkdVelvetMaterial>(
            diffuseAndGlossyColor(QVector3D(0.45f, 0.05f, 0.2f), QVector3D(0.6f, 0.6f, 0.6f)) + Properties{
        value<float>("darkening", 1.0f),
        value<float>("falloff", 0.5f),
        subObject<zkdTriTexture>("texture"),
        subObject<zkdDiffuseTexture>("diffuseTexture"),
        subObject<zkdGlossyTexture>("glossyTexture"),
    } + clothTextures);
    const QVector3D cloth(0.55f, 0.55f, 0.6f);
    zkdObjectManager::registerClass<zkdWovenClothMaterial>(diffuseColor(cloth) + Properties{
        value<float>("darkening", 1.0f),
        value<QVector3D>("warpColor", cloth),
        value<QVector3D>("weftColor", cloth),
        value<zkdWovenClothMaterial::ClothPresets>("presetChoice", zkdWovenClothMaterial::Custom),
        value<zkdWovenClothMaterial::WeaveType>("weaveType", zkdWovenClothMaterial::PlainPattern),
        value<zkdWovenClothMaterial::YarnType>("yarnType", zkdWovenClothMaterial::Staple),
        value<float>("yarnTwistAngle", 45.0f),
        value<float>("highlightWidth", 0.5f),
        value<float>("exposure", 1.0f),
        value<float>("noiseIntensity", 0.2f),
        value<float>("moireRemoval", 0.5f),
        value<float>("warpYarnCurvature", 1.0f),
        value<float>("weftYarnCurvature", 1.0f),
        subObject<zkdTriTexture>("texture"),
        subObject<zkdDiffuseTexture>("diffuseTexture"),
        subObject<zkdYarnTexture>("yarnTexture"),
    } + clothTextures, zkdMaterialCouplings::wovenCloth);
}

void registerXRay()
{
    zkdObjectManager::registerClass<zkdXRayMaterial>({
        value<QVector3D>("baseColor", QVector3D(0.3f, 0.6f, 1.0f)),
        value<bool>("singleSided", false),
        value<bool>("castShadows", false),
        value<float>("fresnelTransparencyBias", 0.0f),
        value<float>("fresnelTransparencyScale", 1.0f),
        value<float>("fresnelTransparencyPower", 2.0f),
        value<QVector3D>("fresnelColor", white),
        value<float>("fresnelColorBias", 0.0f),
        value<float>("fresnelColorScale", 1.0f),
        value<float>("fresnelColorPower", 2.0f),
        subObject<zkdRaytracing>("raytracing"),
    });
}

void registerMultiMaterials()
{
    zkdObjectManager::registerClass<zkdMultiMaterial>({
        value<QList<zkdMaterial>>("materials"),
    });
    zkdObjectManager::registerClass<zkdSwitchMaterial>({
        value<uint>("choice", 0),
    });
    zkdObjectManager::registerClass<zkdXRiteMeasuredMaterial>({
        fileName("measurement"),
    });
    zkdObjectManager::registerClass<zkdEnvironmentSwitchMaterial>();
    zkdObjectManager::registerClass<zkdMultiPassMaterial>();
    zkdObjectManager::registerClass<zkdLayeredMaterial>();
}

// The rows environment and skylight materials share, around those of their own.
Properties environmentRows(const Properties &own, const Properties &shared)
{
    return Properties{
        reference<zkdImage>("environment"),
    } + own + Properties{
        fileName("geometry"),
        value<bool>("visible", true),
        value<bool>("flipped", false),
        value<bool>("shadowPlaneVisible", true),
    } + shared + Properties{
        subObject<zkdEnvironmentColorCorrection>("colorCorrection"),
        subObject<zkdEnvironmentTransformation>("transformation"),
        subObject<zkdEnvironmentRaytracing>("raytracingSettings"),
    };
}

void registerEnvironments()
{
    const auto geometryType = value<zkdEnvironmentMaterial::GeometryType>("geometryType", zkdEnvironmentMaterial::Dome);
    zkdObjectManager::registerClass<zkdEnvironmentMaterial>(environmentRows({geometryType}, {
        subObject<zkdEnvironmentShadowsAndIllumination>("shadowsAndIllumination"),
        subObject<zkdHDRLightStudio>("hDRLightStudio"),
    }));
    zkdObjectManager::registerClass<zkdSkylightMaterial>(environmentRows({
        // 0 "Interactive", 1 "Medium", 2 "High Quality".
        value<uint>("resolution", 1),
        geometryType,
    }, {
        value<bool>("showCompass", false),
        subObject<zkdEnvironmentShadowsAndIllumination>("shadowsAndIllumination"),
        subObject<zkdSkylightSkyAndSun>("skyAndSun"),
        value<QDate>("date", QDate(2024, 6, 21)),
        value<QTime>("time", QTime(12, 0)),
        subObject<zkdSkylightLocation>("location"),
    }));
    zkdObjectManager::registerClass<zkdSubstanceEnvironmentMaterial>();
}

void registerOtherMaterials()
{
    zkdObjectManager::registerClass<zkdLightPortalMaterial>({
        value<float>("visibility", 1.0f),
    });
    zkdObjectManager::registerClass<zkdOCSMaterial>({
        fileName("oCSBRDFFilename"),
        command("automaticReload"),
        value<float>("exposure", 0.0f),
        subObject<zkdOCSClearcoat>("clearcoat"),
        subObject<zkdIncandescence>("incandescence"),
    }, zkdMaterialCouplings::resetCommand);
    zkdObjectManager::registerClass<zkdShadowMaterial>({
        value<QVector3D>("occlusionColor", black),
        value<float>("occlusionIntensity", 1.0f),
        value<QVector3D>("shadowColor", black),
        value<zkdShadowMaterial::OpacityMode>("opacityMode", zkdShadowMaterial::Transparent),
        value<int>("sortKey", 0),
        value<zkdShadowMaterial::ReflectionMode>("reflectionMode", zkdShadowMaterial::Off),
        value<QVector3D>("diffuseColor", QVector3D(0.5f, 0.5f, 0.5f)),
        value<QVector3D>("glossyColor", QVector3D(0.5f, 0.5f, 0.5f)),
        value<float>("reflectivity", 0.5f),
        value<float>("roughness", 0.2f),
        subObject<zkdRaytracing>("raytracing"),
    });
    zkdObjectManager::registerClass<zkdTireMaterial>();
    zkdObjectManager::registerClass<zkdSubstanceMaterial>();
}

} // namespace

void registerMaterialClasses()
{
    registerMaterialIdType();
    registerTextureClasses();
    registerMaterialComponentClasses();
    registerEnvironmentClasses();

    registerBaseMaterials();
    registerMetals();
    registerCarbon<zkdCarbon2DMaterial, zkdCarbonPattern2D>();
    registerCarbon<zkdCarbonMaterial, zkdCarbonPattern3D>();
    registerPaints();
    registerGlass();
    registerPlastics();
    registerFabrics();
    registerXRay();
    registerMultiMaterials();
    registerEnvironments();
    registerOtherMaterials();
}
