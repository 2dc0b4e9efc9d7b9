#include "zkdTextureClasses.h"

#include "QZKSpectrum.h"
#include "zkdBumpTexture.h"
#include "zkdDiffuseTexture.h"
#include "zkdDisplacementTexture.h"
#include "zkdExteriorTransparencyTexture.h"
#include "zkdGlassTriTexture.h"
#include "zkdGlossyTexture.h"
#include "zkdImage.h"
#include "zkdIncandescenceTexture.h"
#include "zkdMaterialCouplings.h"
#include "zkdObjectManager.h"
#include "zkdRoughnessTexture.h"
#include "zkdStructuredBumpTexture.h"
#include "zkdSubsurfaceScatteringTexture.h"
#include "zkdTextureCouplings.h"
#include "zkdTransparencyTexture.h"
#include "zkdTriTexture.h"
#include "zkdUVDiffuseTexture.h"
#include "zkdYarnTexture.h"

#include <QImage>
#include <QSize>
#include <QVector2D>
#include <QVector3D>

using namespace zkdProperty;

namespace {

void registerImage()
{
    // Set when the image is made (zkdImage::create); only the alpha interpretation is edited.
    zkdObjectManager::registerClass<zkdImage>({
        value<QString>("fileName", QString(), 0),
        value<bool>("premultipliedAlpha", false),
        value<QImage>("image", QImage(), 0),
        value<QVariantList>("frames", QVariantList(), 0),
        value<QSize>("size", QSize(), 0),
        value<QString>("formatName", QString(), 0),
        value<int>("bitsPerChannel", 0, 0),
    });
}

void textureHook(zkdObjectData &texture, const QByteArray &name)
{
    zkdTextureCouplings::uniformRepeat(texture, name);
    zkdTextureCouplings::linkedSettings(texture, name);
    zkdTextureCouplings::sharedCutout(texture, name);
    zkdMaterialCouplings::resetCommand(texture, name);
    zkdTextureCouplings::inlineImageSequence(texture, name);
}

void registerTexture()
{
    const QVector2D one(1.0f, 1.0f);
    zkdObjectManager::registerClass<zkdTexture>({
        value<QZKSpectrum>("spectrum"),
        value<bool>("useTexture", false),
        reference<zkdImage>("image"),
        value<bool>("useImageSequence", false),
        value<uint>("frameOffset", 0),
        value<bool>("inlineImageSequence", false),
        value<uint>("imageNumber", 0),
        value<bool>("linkTextureSettings", false),
        value<zkTextureTypes::ProjectionType>("projectionType", zkTextureTypes::UV),
        value<zkTextureTypes::RepeatMode>("repeatModeU", zkTextureTypes::Repeat),
        value<zkTextureTypes::RepeatMode>("repeatModeV", zkTextureTypes::Repeat),
        value<bool>("connectRepeatModes", true),
        value<bool>("useRealWorldScale", false),
        value<QVector2D>("textureSizeMM", QVector2D(100.0f, 100.0f)),
        value<float>("triplanarBlend", 0.1f),
        value<bool>("uniformRepeat", false),
        value<QVector2D>("triplanarXRepeat", one),
        value<QVector2D>("triplanarXOffset"),
        value<float>("triplanarXRotation", 0.0f),
        value<QVector2D>("triplanarYRepeat", one),
        value<QVector2D>("triplanarYOffset"),
        value<float>("triplanarYRotation", 0.0f),
        value<QVector2D>("triplanarZRepeat", one),
        value<QVector2D>("triplanarZOffset"),
        value<float>("triplanarZRotation", 0.0f),
        value<QVector3D>("planarProjectionCenter"),
        value<QVector2D>("planarProjectionOrientation"),
        value<QVector3D>("planarProjectionSize", QVector3D(100.0f, 100.0f, 100.0f)),
        value<bool>("planarProjectionKeepAspectRatio", true),
        value<QVector2D>("repeat", one),
        value<QVector2D>("offset"),
        value<float>("rotate", 0.0f),
        value<bool>("planarProjectionSingleSided", false),
        command("manipulate"),
        command("planarProjectionFitSize"),
        command("planarProjectionObjectCenter"),
        value<float>("anisotropy", 1.0f),
    }, textureHook);
}

} // namespace

void registerTextureClasses()
{
    registerImage();
    registerTexture();

    zkdObjectManager::registerClass<zkdBumpTexture>({
        value<zkdBumpTexture::SurfaceStructure>("surfaceStructure", zkdBumpTexture::Smooth),
        value<float>("parallaxIntensity", 0.0f),
        value<float>("bumpIntensity", 1.0f),
        value<float>("structureSize", 1.0f),
        value<bool>("bumpAffectsSpecular", true),
        value<zkdBumpTexture::BumpType>("bumpType", zkdBumpTexture::BumpMapping),
    }, zkdTextureCouplings::bumpSurfaceStructure);
    zkdObjectManager::registerClass<zkdDiffuseTexture>({
        value<bool>("useAlpha", true),
        value<bool>("useCutout", false),
        // 0 reads as "use the image's colour profile".
        value<float>("gamma", 0.0f),
    });
    zkdObjectManager::registerClass<zkdDisplacementTexture>({
        value<float>("displacementHeight", 1.0f),
        value<float>("displacementOffset", 0.0f),
        value<zkdDisplacementTexture::DisplacementSilhouetteMode>(
                "displacementSilhouetteMode", zkdDisplacementTexture::ApproximateSilhouettes),
    });
    zkdObjectManager::registerClass<zkdExteriorTransparencyTexture>();
    zkdObjectManager::registerClass<zkdGlossyTexture>({
        value<float>("gamma", 0.0f),
    });
    zkdObjectManager::registerClass<zkdIncandescenceTexture>();
    zkdObjectManager::registerClass<zkdRoughnessTexture>({
        value<float>("minimumRoughness", 0.01f),
        value<float>("maximumRoughness", 1.0f),
    });
    zkdObjectManager::registerClass<zkdStructuredBumpTexture>({
        value<zkdBumpTexture::SurfaceStructure>("surfaceStructure", zkdBumpTexture::Procedural),
        value<float>("bumpIntensity", 1.0f),
        value<float>("structureSize", 1.0f),
    });
    zkdObjectManager::registerClass<zkdSubsurfaceScatteringTexture>();
    zkdObjectManager::registerClass<zkdTransparencyTexture>({
        value<bool>("useCutout", false),
        value<bool>("invertTexture", false),
    });
    // The triplanar rows of zkdTexture are the tri texture's own in the editor; only the mode
    // is new.
    zkdObjectManager::registerClass<zkdTriTexture>({
        value<zkdTriTexture::TextureMode>("textureMode", zkdTriTexture::UVCoordinates),
    });
    zkdObjectManager::registerClass<zkdGlassTriTexture>();
    zkdObjectManager::registerClass<zkdUVDiffuseTexture>({
        value<float>("gamma", 0.0f),
    });
    zkdObjectManager::registerClass<zkdYarnTexture>();
}
