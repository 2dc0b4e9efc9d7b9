#include <zkObjectService.h>
#include <zkKernelServiceFactory.h>
#include <zkdClassInfo.h>
#include <zkdObjectData.h>
#include <zkdObjectManager.h>

#include <QMetaEnum>
#include <QTest>

// The kernel classes as the editors' descriptions rely on them: class chains, listed rows with
// their value types, enumerations and sub-objects.
class tst_zkdSceneClasses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void classes_data();
    void classes();
    void listedRows_data();
    void listedRows();
    void enumerations_data();
    void enumerations();

private:
    QHash<QByteArray, QList<QPair<QByteArray, QByteArray>>> m_rows;
};

namespace {

// Each line: a class, then the classes derived from it directly.
const char *const classTree[] = {
    "zkdObject: zkdSceneObject zkdActionContainer zkdActionSlot",
    "zkdSceneObject: zkdNode zkdRayFile zkdRayFileInfo zkdLightTransform zkdAreaLightCone zkdLightProfile"
    " zkdShadowMap zkdLightTexture zkdLensFlareEffect zkdLensFlareElement zkdLensFlareGhost zkdVariantSetBase"
    " zkdPerspectiveMatch zkdTessellationSettings zkdWebEngine zkdKxmSettings zkdMaterial zkdImage zkdBRDFCommon"
    " zkdRaytracing zkdRoundedEdges zkdTransparency zkdUVTransparency zkdIncandescence zkdUVIncandescence"
    " zkdSubsurfaceScattering zkdUVSubsurfaceScattering zkdClearcoat zkdOCSClearcoat zkdFlakeLayer"
    " zkdFlipflopFlakeLayer zkdCarbonPattern zkdTexture zkdEnvironmentColorCorrection zkdEnvironmentRaytracing"
    " zkdEnvironmentShadowsAndIllumination zkdEnvironmentTransformation zkdHDRLightStudio zkdSkylightLocation"
    " zkdSkylightSkyAndSun",
    "zkdNode: zkdSwitchNode zkdMaterialNode zkdLightLinkSetNode zkdCameraNode zkdBaseLightNode",
    "zkdSwitchNode: zkdSceneplateNode",
    "zkdBaseLightNode: zkdAreaLightNode zkdDirectionalLightNode zkdPointLightNode zkdRayLightNode",
    "zkdAreaLightNode: zkdDiskLightNode zkdRectangularLightNode",
    "zkdPointLightNode: zkdSpotLightNode",
    "zkdLensFlareElement: zkdLensFlareGhostLine zkdLensFlareGlow zkdLensFlareRing zkdLensFlareStar"
    " zkdLensFlareStreak",
    "zkdVariantSetBase: zkdVariantSet zkdVariantSetGroup",
    "zkdMaterial: zkdBRDFMaterial zkdMultiMaterial zkdEnvironmentMaterial zkdSkylightMaterial"
    " zkdLightPortalMaterial zkdOCSMaterial zkdShadowMaterial zkdTireMaterial zkdSubstanceMaterial"
    " zkdSubstanceEnvironmentMaterial",
    "zkdBRDFMaterial: zkdBrushedMetalMaterial zkdCarbon2DMaterial zkdCarbonMaterial zkdChromeMaterial"
    " zkdFlipflopMaterial zkdGlassMaterial zkdLineChromeMaterial zkdMetallicPaintMaterial zkdPhongMaterial"
    " zkdPlasticMaterial zkdReflectivePlasticMaterial zkdUnicolorPaintMaterial zkdVelvetMaterial"
    " zkdWovenClothMaterial zkdXRayMaterial",
    "zkdMultiMaterial: zkdSwitchMaterial zkdMultiPassMaterial zkdLayeredMaterial",
    "zkdClearcoat: zkdPaintClearcoat",
    "zkdPaintClearcoat: zkdMetallicPaintClearcoat zkdUnicolorPaintClearcoat",
    "zkdCarbonPattern: zkdCarbonPattern2D zkdCarbonPattern3D",
    "zkdTexture: zkdBumpTexture zkdDiffuseTexture zkdDisplacementTexture zkdExteriorTransparencyTexture"
    " zkdGlossyTexture zkdIncandescenceTexture zkdRoughnessTexture zkdStructuredBumpTexture"
    " zkdSubsurfaceScatteringTexture zkdTransparencyTexture zkdTriTexture zkdUVDiffuseTexture zkdYarnTexture",
    "zkdTriTexture: zkdGlassTriTexture",
};

// Own rows per class, as the editors expect them ("°" marks rows they keep hidden; "?" a type
// left open; "..." that the class has more). The zkdNode name is not a description row but every
// node has one.
const char *const rowTable[] = {
    "zkdObject: null°:bool, visible°:bool, objectId°:qulonglong, typeId°:qulonglong",
    "zkdNode: visibilityFlag°:bool, visibility°:bool, userLocked°:bool, name:QString",
    "zkdSwitchNode: choice°:int",
    "zkdSceneplateNode: name:QString, nodeType:zkSceneplateTypes::NodeType, "
    "contentType:zkSceneplateTypes::ContentType, text:QString, font:QString, fontStyle:QString, fontHeight:uint, "
    "fontColor:QVector3D, backgroundColor:QVector3D, backgroundTransparency:float, image:zkdImage, "
    "useImageSequence:bool, frameOffset:uint, inlineImageSequence:bool, imageNumber°:uint, "
    "repeatMode:zkSceneplateTypes::RepeatMode, width:int, height:int, clickThrough:float, url:QString, "
    "transparency:float, position:zkSceneplateTypes::Position, offsetMode:zkSceneplateTypes::SizeType, "
    "offset:QVector2D, rotation:float, sizeMode:zkSceneplateTypes::SizeType, size:float, whiteBalance:int, "
    "hueShift:float, contrast:float, brightness:float, saturation:float",
    "zkdAreaLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, "
    "localLight:bool, illuminateScene:bool, lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, "
    "temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, "
    "glossySpectrum°:QZKSpectrum, texture:zkdLightTexture, attenuation:zkLightTypes::Attenuation, "
    "materialShadowIntensity:float, groundShadowIntensity:float, shadowMap:zkdShadowMap, "
    "illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, importanceMultiplier:float, "
    "primaryVisibility:bool, visibleInReflections:bool, interactiveQuality:uint, stillFrameQuality:uint, "
    "lightProfile:zkdLightProfile, visualizationVisible:bool, lightTransform:zkdLightTransform",
    "zkdDirectionalLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, "
    "name:QString, isHeadLight:bool, localLight:bool, illuminateScene:bool, lightUnit:zkLightTypes::Unit, "
    "intensity:float, useLightTemperature:bool, temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, "
    "glossyColor:QVector3D, glossySpectrum°:QZKSpectrum, materialShadowIntensity:float, groundShadowIntensity:float, "
    "shadowMap:zkdShadowMap, illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, "
    "importanceMultiplier:float, visualizationVisible:bool, visualizationScale:float, lightTransform:zkdLightTransform",
    "zkdPointLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, "
    "localLight:bool, illuminateScene:bool, lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, "
    "temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, "
    "glossySpectrum°:QZKSpectrum, texture:zkdLightTexture, attenuation:zkLightTypes::Attenuation, "
    "materialShadowIntensity:float, groundShadowIntensity:float, shadowMap:zkdShadowMap, "
    "illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, importanceMultiplier:float, "
    "lightProfile:zkdLightProfile, visualizationVisible:bool, visualizationScale:float, "
    "lightTransform:zkdLightTransform, lensFlareEffect°:zkdLensFlareEffect",
    "zkdSpotLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, "
    "localLight:bool, illuminateScene:bool, lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, "
    "temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, "
    "glossySpectrum°:QZKSpectrum, texture:zkdLightTexture, attenuation:zkLightTypes::Attenuation, coneAngle:float, "
    "penumbraAngle:float, lensFlareEffect°:zkdLensFlareEffect, materialShadowIntensity:float, "
    "groundShadowIntensity:float, shadowMap:zkdShadowMap, illuminateShadowMaterial:bool, "
    "castShadowOnShadowMaterial:bool, importanceMultiplier:float, lightProfile:zkdLightProfile, "
    "visualizationVisible:bool, visualizationScale:float, lightTransform:zkdLightTransform",
    "zkdRayLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, "
    "lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, temperature:int, diffuseColor:QVector3D, "
    "diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, glossySpectrum°:QZKSpectrum, materialShadowIntensity:float, "
    "groundShadowIntensity:float, illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, "
    "importanceMultiplier:float, rayFile:zkdRayFile, visualizationVisible:bool, lightTransform:zkdLightTransform",
    "zkdDiskLightNode: areaLightCone:zkdAreaLightCone",
    "zkdRectangularLightNode: areaLightCone:zkdAreaLightCone",
    "zkdAreaLightCone: useConeAngle:bool, coneAngle:float, penumbraAngle:float",
    "zkdLightProfile: useLightProfile:bool",
    "zkdShadowMap: filterRadius:float, resolution:int",
    "zkdLightTexture: anisotropy°:float, useTexture:bool, image:zkdImage, useImageSequence:bool, frameOffset:int, "
    "inlineImageSequence:bool, repeatModeU:zkTextureTypes::RepeatMode, repeatModeV°:zkTextureTypes::RepeatMode, "
    "connectRepeatModes°:bool, repeat:QVector2D, offset:QVector2D, rotate:float",
    "zkdRayFile: useRayFile°:?, numberOfRays°:?, scalingFactor°:?, spectralInformationString°:?, fileName:QString, "
    "useRandomSampling:bool, usePhotonsForDirectLighting:bool, visualizationRayCount:uint, "
    "visualizationRayLength:double, directEvaluationConeAngle:double, directEvaluationRadius:double, "
    "directEvaluationOffset:double, rayFileInfo:zkdRayFileInfo",
    "zkdLensFlareEffect: isActive:bool, presetType:zkLensFlareTypes::PresetType, useLightProperties:bool, "
    "color:QVector3D, size:float, intensity:float, radius:float, angularIntensity:float, "
    "lensFlareElements:QList<zkdLensFlareElement>",
    "zkdLensFlareElement: isActive°:bool, name°:QString",
    "zkdLensFlareGhost: shape:zkLensFlareTypes::ElementShape, image:zkdImage, color:QVector3D, "
    "chromaticAberration:QVector3D, size:float, intensity:float, edgeIntensity:float, edgeThickness:float, "
    "feather:float, rotation:float, isActive°:bool, name°:QString, distance°:float, isChromaticAberrationActive°:bool",
    "zkdLensFlareGhostLine: ghosts:QList<zkdLensFlareGhost>",
    "zkdLensFlareGlow: shape:zkLensFlareTypes::ElementShape, image:zkdImage, color:QVector3D, size:float, "
    "intensity:float, feather:float, rotation:float, isActive°:bool, name°:QString",
    "zkdLensFlareRing: color:QVector3D, chromaticAberration:QVector3D, numberOfStreaks:uint, size:float, "
    "intensity:float, thickness:float, streakThickness:float, feather:float, rotation°:float, isActive°:bool, "
    "name°:QString, isChromaticAberrationActive°:bool",
    "zkdLensFlareStar: shape:zkLensFlareTypes::StarShape, image:zkdImage, color:QVector3D, numberOfBursts:uint, "
    "size:float, intensity:float, thickness:float, feather:float, rotation:float, isActive°:bool, name°:QString, "
    "useScaling°:bool, intensityScaleFactor°:float, useFlickering°:bool, flickeringRange°:QVector2D",
    "zkdLensFlareStreak: color:QVector3D, offset:QVector2D, size:float, intensity:float, thickness:float, "
    "feather:float, rotation:float, isActive°:bool, name°:QString",
    "zkdPerspectiveMatch: xLine1°:QLineF, xLine2°:QLineF, yLine1°:QLineF, yLine2°:QLineF, zLine1°:QLineF, "
    "zLine2°:QLineF, enabled:bool, defaultLines°:bool, vanishingLinesType:zkCameraTypes::VanishingLinesType, "
    "magnifyFactor:float, rotateLeft°:bool, pivotFromNavigator°:bool, rotationStepSize:float, rotateRight°:bool, "
    "pivot°:QVector3D",
    "zkdTessellationSettings: keepNurbs:bool, mergeGeometries:bool, removeEmptyGroups:bool, unshareNodes:bool, "
    "flushTransformations°:bool, createLayerGroups°:bool, chordDeviation:double, maxChordLength:double, "
    "normalTolerance:double, useStitching:bool, stitchingTolerance:double, robustTessellation°:bool",
    "zkdWebEngine: enabled:bool, name:QString, width:int, height:int, url:QString, material:zkdMaterial, "
    "texture:zkdWebEngine::TextureSlotType, clickThrough:float, reload°:qulonglong",
    "zkdKxmSettings: importSurfaces:bool, importInvisibleSurfaces:bool, importMeshes:bool, importInvisibleMeshes:bool, "
    "importInvisibleInstances:bool, importCurves:bool, importInvisibleCurves:bool, importAssociativeMeshes:bool, "
    "importTemplateGeometries:bool, importCameras:bool, importLights:bool, importVariants:bool, "
    "disableMultithreadedImport°:bool, fixSurfaceOrientation°:bool, useLegacyLoader°:bool",
    "zkdPlasticMaterial: name:QString, tags:QStringList, diffuseColor:QVector3D, diffuseSpectrumColor:QZKSpectrum, "
    "analyticDiffuseColor:QVector3D, roughness:float, raytracing:zkdRaytracing, common:zkdBRDFCommon, "
    "subsurfaceScattering:zkdSubsurfaceScattering, ...",
    "zkdBrushedMetalMaterial: metalType:zkdBrushedMetalMaterial::MetalType, diffuseTexture:zkdUVDiffuseTexture, ...",
    "zkdChromeMaterial: metalType:zkdChromeMaterial::MetalType, ...",
    "zkdCarbonMaterial: carbonPattern:zkdCarbonPattern3D, ...",
    "zkdCarbon2DMaterial: carbonPattern:zkdCarbonPattern2D, bumpTexture:zkdStructuredBumpTexture, ...",
    "zkdGlassMaterial: mediumType:zkdGlassMaterial::MediumType, fresnelQuality:zkdGlassMaterial::FresnelQualityType, "
    "refractionIndex:float, texture:zkdGlassTriTexture, incandescence:zkdUVIncandescence, "
    "transparency:zkdTransparency, ...",
    "zkdFlipflopMaterial: clearcoat:zkdPaintClearcoat, ...",
    "zkdUnicolorPaintMaterial: clearcoat:zkdUnicolorPaintClearcoat, ...",
    "zkdWovenClothMaterial: presetChoice:zkdWovenClothMaterial::ClothPresets, yarnTexture:zkdYarnTexture, ...",
    "zkdReflectivePlasticMaterial: fresnelQuality:zkdReflectivePlasticMaterial::FresnelQuality, ...",
    "zkdMultiMaterial: materials:QList<zkdMaterial>, ...",
    "zkdSwitchMaterial: choice:uint, ...",
    "zkdShadowMaterial: reflectionMode:zkdShadowMaterial::ReflectionMode, ...",
    "zkdEnvironmentMaterial: environment:zkdImage, geometryType:zkdEnvironmentMaterial::GeometryType, visible:bool, "
    "...",
    "zkdSkylightMaterial: geometryType:zkdEnvironmentMaterial::GeometryType, resolution:uint, date:QDate, time:QTime, "
    "...",
    "zkdBRDFCommon: environment:zkdMaterial, vrsQuality:zkdBRDFCommon::VrsQuality, ...",
    "zkdRaytracing: stillFrameIlluminationMode:zkdRaytracing::IlluminationMode, ...",
    "zkdEnvironmentRaytracing: illuminationMode:zkdEnvironmentRaytracing::IlluminationMode, ...",
    "zkdUVSubsurfaceScattering: mediaType:zkdUVSubsurfaceScattering::MediaType, ...",
    "zkdUnicolorPaintClearcoat: type:zkdClearcoat::Type, ...",
    "zkdOCSClearcoat: fresnelQuality:zkdOCSClearcoat::FresnelQuality, ...",
    "zkdCarbonPattern3D: type:zkdCarbonPattern::Type, ...",
    "zkdFlakeLayer: flipFlopFlakeSpectrum:QZKSpectrum, ...",
    "zkdTexture: image:zkdImage, frameOffset:uint, projectionType:zkTextureTypes::ProjectionType, "
    "repeatModeV:zkTextureTypes::RepeatMode, textureSizeMM:QVector2D, planarProjectionSize:QVector3D, manipulate:bool, "
    "...",
    "zkdBumpTexture: surfaceStructure:zkdBumpTexture::SurfaceStructure, ...",
    "zkdStructuredBumpTexture: surfaceStructure:zkdBumpTexture::SurfaceStructure, ...",
    "zkdDisplacementTexture: displacementSilhouetteMode:zkdDisplacementTexture::DisplacementSilhouetteMode, ...",
    "zkdTriTexture: textureMode:zkdTriTexture::TextureMode, ...",
    "zkdUVDiffuseTexture: projectionType:zkTextureTypes::ProjectionType, ...",
    "zkdHDRLightStudio: lightPaintMode:zkdHDRLightStudio::LightPaintMode, ...",
    "zkdSkylightSkyAndSun: skyModel:zkdSkylightSkyAndSun::SkyModel, ...",
};

// Each: a scoped type name, its number of keys and, where not one less, its last key's value.
const char *const enumerationTable[] = {
    "zkLightTypes::Unit 4", "zkLightTypes::Attenuation 3", "zkLensFlareTypes::ElementType 5 6",
    "zkLensFlareTypes::PresetType 8", "zkLensFlareTypes::ElementShape 10 100",
    "zkLensFlareTypes::StarShape 4 100", "zkCameraTypes::VanishingLinesType 5", "zkSceneplateTypes::NodeType 2",
    "zkSceneplateTypes::ContentType 3", "zkSceneplateTypes::RepeatMode 4", "zkSceneplateTypes::Position 9",
    "zkSceneplateTypes::SizeType 2", "zkReferenceTypes::ReferenceType 2", "zkVariantSetTypes::VariantSetType 2",
    "zkdWebEngine::TextureSlotType 3 3", "zkTextureTypes::ProjectionType 3", "zkTextureTypes::RepeatMode 4",
    "zkdBrushedMetalMaterial::MetalType 21", "zkdChromeMaterial::MetalType 21",
    "zkdGlassMaterial::MediumType 5", "zkdGlassMaterial::DispersionInputType 3",
    "zkdGlassMaterial::FresnelQualityType 2", "zkdMetallicPaintMaterial::PaintType 3",
    "zkdReflectivePlasticMaterial::FresnelQuality 2", "zkdShadowMaterial::OpacityMode 2",
    "zkdShadowMaterial::ReflectionMode 4", "zkdWovenClothMaterial::ClothPresets 11",
    "zkdWovenClothMaterial::WeaveType 6", "zkdWovenClothMaterial::YarnType 2",
    "zkdEnvironmentMaterial::GeometryType 4", "zkdBRDFCommon::LightingMode 5", "zkdBRDFCommon::VrsQuality 7",
    "zkdRaytracing::IlluminationMode 5", "zkdRoundedEdges::EdgeMode 4", "zkdRoundedEdges::EdgeType 3",
    "zkdSubsurfaceScattering::Mode 3", "zkdSubsurfaceScattering::MediaType 16",
    "zkdUVSubsurfaceScattering::Mode 3", "zkdUVSubsurfaceScattering::MediaType 16", "zkdClearcoat::Type 3",
    "zkdOCSClearcoat::FresnelQuality 4", "zkdCarbonPattern::Type 4", "zkdBumpTexture::SurfaceStructure 4",
    "zkdBumpTexture::BumpType 2", "zkdDisplacementTexture::DisplacementSilhouetteMode 2",
    "zkdTriTexture::TextureMode 2", "zkdEnvironmentRaytracing::IlluminationMode 2",
    "zkdHDRLightStudio::LightPaintMode 3", "zkdSkylightSkyAndSun::SkyModel 2",
};

QList<zkQRPCMetaProperty> metaProperties(const zkdObject &object)
{
    return zkKernelServiceFactory::the().getService<zkObjectService>()->getMetaProperties(object);
}

} // namespace

void tst_zkdSceneClasses::initTestCase()
{
    for (const QByteArray line : rowTable) {
        const int colon = line.indexOf(':');
        for (const QByteArray &row : line.mid(colon + 1).split(',')) {
            const QByteArray trimmed = row.trimmed();
            const int separator = trimmed.indexOf(':');
            if (separator > 0)
                m_rows[line.left(colon)].append({trimmed.left(separator).replace("°", ""), trimmed.mid(separator + 1)});
        }
    }
}

void tst_zkdSceneClasses::classes_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("baseName");
    for (const QByteArray line : classTree) {
        const int colon = line.indexOf(':');
        for (const QByteArray &name : line.mid(colon + 1).simplified().split(' '))
            QTest::newRow(name.constData()) << name << line.left(colon);
    }
}

// Kernel and meta-object agree on the base; handles travel in variants and lists under their
// own names and order by identity; a row redeclared by a subclass lists once.
void tst_zkdSceneClasses::classes()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, baseName);
    const zkdObject a = zkdObjectManager::create(className);
    const zkdObject b = zkdObjectManager::create(className);
    QVERIFY(!a.isNull());
    QCOMPARE(a.getTypeName().toLatin1(), className);
    QCOMPARE(QByteArray(a.ptr()->metaObject()->superClass()->className()), baseName);
    QCOMPARE(QByteArray(zkdObjectManager::classInfo(className)->base->metaObject->className()), baseName);

    const int type = QMetaType::type(className);
    QCOMPARE(zkdObjectManager::toVariant(a).userType(), type);
    QVERIFY(QMetaType::type("QList<" + className + ">") != QMetaType::UnknownType);
    int order = 0;
    QVERIFY(QMetaType::compare(&a, &b, type, &order));
    QCOMPARE(order, -1);

    QSet<QByteArray> names;
    const QList<zkQRPCMetaProperty> properties = metaProperties(a);
    for (const zkQRPCMetaProperty &property : properties)
        names.insert(property.name);
    QCOMPARE(names.size(), properties.size());
    // Every sub-object, at any depth, is a live object of exactly its row's class owned by the
    // object that lists it; destroying the object takes them all along.
    QList<zkdObject> pending{a};
    QList<zkdObject> found;
    while (!pending.isEmpty()) {
        const std::shared_ptr<zkdObjectData> data = pending.takeFirst().ptr();
        const QVector<zkdPropertyInfo> &rows = data->classInfo().properties;
        for (int i = 0; i < rows.size(); ++i) {
            if (!(rows.at(i).flags & zkdPropertyInfo::SubObject))
                continue;
            const zkdObject child = zkdObjectManager::fromVariant(data->property(i));
            QVERIFY2(!child.isNull(), rows.at(i).name.constData());
            QCOMPARE(child.getTypeName().toLatin1(), QByteArray(QMetaType::typeName(rows.at(i).type)));
            QCOMPARE(child.ptr()->owner(), data);
            pending.append(child);
            found.append(child);
        }
    }
    zkdObjectManager::destroy(a);
    for (const zkdObject &child : found)
        QVERIFY(!child.ptr());
}

void tst_zkdSceneClasses::listedRows_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<bool>("complete");
    for (const QByteArray line : rowTable) {
        const QByteArray className = line.left(line.indexOf(':'));
        QTest::newRow(className.constData()) << className << !line.endsWith("...");
    }
}

// The object lists the rows of its class and its ancestors, each with its value type.
void tst_zkdSceneClasses::listedRows()
{
    QFETCH(QByteArray, className);
    QFETCH(bool, complete);
    const zkdObject object = zkdObjectManager::create(className);
    QMap<QByteArray, QByteArray> expected;
    for (const QMetaObject *meta = object.ptr()->metaObject(); meta; meta = meta->superClass()) {
        for (const auto &row : m_rows.value(meta->className()))
            expected.insert(row.first, row.second);
    }
    QMap<QByteArray, QByteArray> listed;
    for (const zkQRPCMetaProperty &property : metaProperties(object))
        listed.insert(property.name, property.value.typeName());

    if (complete)
        QCOMPARE(listed.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (it.value() != "?")
            QCOMPARE(listed.value(it.key()) + " " + it.key(), it.value() + " " + it.key());
    }
}

void tst_zkdSceneClasses::enumerations_data()
{
    QTest::addColumn<QByteArray>("typeName");
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("lastValue");
    for (const QByteArray entry : enumerationTable) {
        const QList<QByteArray> parts = entry.split(' ');
        const int keys = parts.at(1).toInt();
        QTest::newRow(parts.at(0).constData())
            << parts.at(0) << keys << parts.value(2, QByteArray::number(keys - 1)).toInt();
    }
}

// The scoped names resolve, one key per combo item in increasing order, and values convert to
// and from int.
void tst_zkdSceneClasses::enumerations()
{
    QFETCH(QByteArray, typeName);
    QFETCH(int, keys);
    QFETCH(int, lastValue);
    const int type = QMetaType::type(typeName);
    QVERIFY(type != QMetaType::UnknownType);
    QVERIFY(QMetaType::typeFlags(type) & QMetaType::IsEnumeration);
    const QMetaObject *scope = QMetaType::metaObjectForType(type);
    QVERIFY(scope);
    const QMetaEnum metaEnum = scope->enumerator(scope->indexOfEnumerator(typeName.mid(typeName.lastIndexOf(':') + 1)));
    QCOMPARE(metaEnum.keyCount(), keys);
    QVERIFY(metaEnum.value(0) >= 0);
    for (int i = 1; i < keys; ++i)
        QVERIFY(metaEnum.value(i - 1) < metaEnum.value(i));
    QCOMPARE(metaEnum.value(keys - 1), lastValue);

    QVariant variant(lastValue);
    QVERIFY(variant.convert(type));
    QCOMPARE(QByteArray(variant.typeName()), typeName);
    QCOMPARE(variant.toInt(), lastValue);
}

QTEST_MAIN(tst_zkdSceneClasses)
#include "tst_zkdSceneClasses.moc"
