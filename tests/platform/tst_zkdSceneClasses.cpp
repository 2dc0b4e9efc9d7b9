#include <zkObjectService.h>
#include <zkKernelServiceFactory.h>
#include <zkdObjectData.h>
#include <zkdObjectManager.h>

#include <QTest>

// Every (class, property, value type) the scene classes must list, and their class chains and
// enumerations, checked against the rows the editors' descriptions rely on.
class tst_zkdSceneClasses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listedRows_data();
    void listedRows();
    void hierarchy_data();
    void hierarchy();
    void enumerations_data();
    void enumerations();
    void handleMetaTypes_data();
    void handleMetaTypes();

private:
    QHash<QByteArray, QList<QPair<QByteArray, QByteArray>>> m_rows;
};

namespace {

// Own rows per class, as the editors expect them ("°" marks rows they keep hidden; "?" a type
// left open). The zkdNode name is not a description row but every node has one.
const char *const ownRows[] = {
    "zkdObject: null°:bool, visible°:bool, objectId°:uint64, typeId°:uint64",
    "zkdNode: visibilityFlag°:bool, visibility°:bool, userLocked°:bool, name:QString",
    "zkdSwitchNode: choice°:int",
    "zkdSceneplateNode: name:QString, nodeType:zkSceneplateTypes::NodeType, contentType:zkSceneplateTypes::ContentType, text:QString, font:QString, fontStyle:QString, fontHeight:uint, fontColor:QVector3D, backgroundColor:QVector3D, backgroundTransparency:float, image:zkdImage, useImageSequence:bool, frameOffset:uint, inlineImageSequence:bool, imageNumber°:uint, repeatMode:zkSceneplateTypes::RepeatMode, width:int, height:int, clickThrough:float, url:QString, transparency:float, position:zkSceneplateTypes::Position, offsetMode:zkSceneplateTypes::SizeType, offset:QVector2D, rotation:float, sizeMode:zkSceneplateTypes::SizeType, size:float, whiteBalance:int, hueShift:float, contrast:float, brightness:float, saturation:float",
    "zkdAreaLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, localLight:bool, illuminateScene:bool, lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, glossySpectrum°:QZKSpectrum, texture:zkdLightTexture, attenuation:zkLightTypes::Attenuation, materialShadowIntensity:float, groundShadowIntensity:float, shadowMap:zkdShadowMap, illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, importanceMultiplier:float, primaryVisibility:bool, visibleInReflections:bool, interactiveQuality:uint, stillFrameQuality:uint, lightProfile:zkdLightProfile, visualizationVisible:bool, lightTransform:zkdLightTransform",
    "zkdDirectionalLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, isHeadLight:bool, localLight:bool, illuminateScene:bool, lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, glossySpectrum°:QZKSpectrum, materialShadowIntensity:float, groundShadowIntensity:float, shadowMap:zkdShadowMap, illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, importanceMultiplier:float, visualizationVisible:bool, visualizationScale:float, lightTransform:zkdLightTransform",
    "zkdPointLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, localLight:bool, illuminateScene:bool, lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, glossySpectrum°:QZKSpectrum, texture:zkdLightTexture, attenuation:zkLightTypes::Attenuation, materialShadowIntensity:float, groundShadowIntensity:float, shadowMap:zkdShadowMap, illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, importanceMultiplier:float, lightProfile:zkdLightProfile, visualizationVisible:bool, visualizationScale:float, lightTransform:zkdLightTransform, lensFlareEffect°:zkdLensFlareEffect",
    "zkdSpotLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, localLight:bool, illuminateScene:bool, lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, glossySpectrum°:QZKSpectrum, texture:zkdLightTexture, attenuation:zkLightTypes::Attenuation, coneAngle:float, penumbraAngle:float, lensFlareEffect°:zkdLensFlareEffect, materialShadowIntensity:float, groundShadowIntensity:float, shadowMap:zkdShadowMap, illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, importanceMultiplier:float, lightProfile:zkdLightProfile, visualizationVisible:bool, visualizationScale:float, lightTransform:zkdLightTransform",
    "zkdRayLightNode: on°:bool, translation°:QVector3D, rotation°:QQuaternion, isPhysicallyBased:bool, name:QString, lightUnit:zkLightTypes::Unit, intensity:float, useLightTemperature:bool, temperature:int, diffuseColor:QVector3D, diffuseSpectrum°:QZKSpectrum, glossyColor:QVector3D, glossySpectrum°:QZKSpectrum, materialShadowIntensity:float, groundShadowIntensity:float, illuminateShadowMaterial:bool, castShadowOnShadowMaterial:bool, importanceMultiplier:float, rayFile:zkdRayFile, visualizationVisible:bool, lightTransform:zkdLightTransform",
    "zkdDiskLightNode: areaLightCone:zkdAreaLightCone",
    "zkdRectangularLightNode: areaLightCone:zkdAreaLightCone",
    "zkdAreaLightCone: useConeAngle:bool, coneAngle:float, penumbraAngle:float",
    "zkdLightProfile: useLightProfile:bool",
    "zkdShadowMap: filterRadius:float, resolution:int",
    "zkdLightTexture: anisotropy°:float, useTexture:bool, image:zkdImage, useImageSequence:bool, frameOffset:int, inlineImageSequence:bool, repeatModeU:zkTextureTypes::RepeatMode, repeatModeV°:zkTextureTypes::RepeatMode, connectRepeatModes°:bool, repeat:QVector2D, offset:QVector2D, rotate:float",
    "zkdRayFile: useRayFile°:?, numberOfRays°:?, scalingFactor°:?, spectralInformationString°:?, fileName:QString, useRandomSampling:bool, usePhotonsForDirectLighting:bool, visualizationRayCount:uint, visualizationRayLength:double, directEvaluationConeAngle:double, directEvaluationRadius:double, directEvaluationOffset:double, rayFileInfo:zkdRayFileInfo",
    "zkdLensFlareEffect: isActive:bool, presetType:zkLensFlareTypes::PresetType, useLightProperties:bool, color:QVector3D, size:float, intensity:float, radius:float, angularIntensity:float, lensFlareElements:QList<zkdLensFlareElement>",
    "zkdLensFlareElement: isActive°:bool, name°:QString",
    "zkdLensFlareGhost: shape:zkLensFlareTypes::ElementShape, image:zkdImage, color:QVector3D, chromaticAberration:QVector3D, size:float, intensity:float, edgeIntensity:float, edgeThickness:float, feather:float, rotation:float, isActive°:bool, name°:QString, distance°:float, isChromaticAberrationActive°:bool",
    "zkdLensFlareGhostLine: ghosts:QList<zkdLensFlareGhost>",
    "zkdLensFlareGlow: shape:zkLensFlareTypes::ElementShape, image:zkdImage, color:QVector3D, size:float, intensity:float, feather:float, rotation:float, isActive°:bool, name°:QString",
    "zkdLensFlareRing: color:QVector3D, chromaticAberration:QVector3D, numberOfStreaks:uint, size:float, intensity:float, thickness:float, streakThickness:float, feather:float, rotation°:float, isActive°:bool, name°:QString, isChromaticAberrationActive°:bool",
    "zkdLensFlareStar: shape:zkLensFlareTypes::StarShape, image:zkdImage, color:QVector3D, numberOfBursts:uint, size:float, intensity:float, thickness:float, feather:float, rotation:float, isActive°:bool, name°:QString, useScaling°:bool, intensityScaleFactor°:float, useFlickering°:bool, flickeringRange°:QVector2D",
    "zkdLensFlareStreak: color:QVector3D, offset:QVector2D, size:float, intensity:float, thickness:float, feather:float, rotation:float, isActive°:bool, name°:QString",
    "zkdPerspectiveMatch: xLine1°:QLineF, xLine2°:QLineF, yLine1°:QLineF, yLine2°:QLineF, zLine1°:QLineF, zLine2°:QLineF, enabled:bool, defaultLines°:bool, vanishingLinesType:zkCameraTypes::VanishingLinesType, magnifyFactor:float, rotateLeft°:bool, pivotFromNavigator°:bool, rotationStepSize:float, rotateRight°:bool, pivot°:QVector3D",
    "zkdTessellationSettings: keepNurbs:bool, mergeGeometries:bool, removeEmptyGroups:bool, unshareNodes:bool, flushTransformations°:bool, createLayerGroups°:bool, chordDeviation:double, maxChordLength:double, normalTolerance:double, useStitching:bool, stitchingTolerance:double, robustTessellation°:bool",
    "zkdWebEngine: enabled:bool, name:QString, width:int, height:int, url:QString, material:zkdMaterial, texture:TextureSlotType, clickThrough:float, reload°:uint64",
    "zkdKxmSettings: importSurfaces:bool, importInvisibleSurfaces:bool, importMeshes:bool, importInvisibleMeshes:bool, importInvisibleInstances:bool, importCurves:bool, importInvisibleCurves:bool, importAssociativeMeshes:bool, importTemplateGeometries:bool, importCameras:bool, importLights:bool, importVariants:bool, disableMultithreadedImport°:bool, fixSurfaceOrientation°:bool, useLegacyLoader°:bool",
};

// Value types as Qt names them.
QByteArray qtTypeName(const QByteArray &owner, const QByteArray &type)
{
    if (type == "uint64")
        return QByteArrayLiteral("qulonglong");
    if (type == "TextureSlotType")
        return owner + "::" + type;
    return type;
}

} // namespace

void tst_zkdSceneClasses::initTestCase()
{
    for (const char *line : ownRows) {
        const QByteArray text(line);
        const int colon = text.indexOf(':');
        const QByteArray owner = text.left(colon);
        for (const QByteArray &row : text.mid(colon + 1).split(',')) {
            const QByteArray trimmed = row.trimmed();
            const int separator = trimmed.indexOf(':');
            QByteArray name = trimmed.left(separator);
            name.replace("°", "");
            m_rows[owner].append({name, qtTypeName(owner, trimmed.mid(separator + 1))});
        }
    }
}

void tst_zkdSceneClasses::listedRows_data()
{
    QTest::addColumn<QByteArray>("className");
    for (const char *className : {
             "zkdNode", "zkdSwitchNode", "zkdSceneplateNode", "zkdAreaLightNode", "zkdDiskLightNode",
             "zkdRectangularLightNode", "zkdDirectionalLightNode", "zkdPointLightNode", "zkdSpotLightNode",
             "zkdRayLightNode", "zkdAreaLightCone", "zkdLightProfile", "zkdShadowMap", "zkdLightTexture",
             "zkdRayFile", "zkdLensFlareEffect", "zkdLensFlareGhost", "zkdLensFlareGhostLine",
             "zkdLensFlareGlow", "zkdLensFlareRing", "zkdLensFlareStar", "zkdLensFlareStreak",
             "zkdPerspectiveMatch", "zkdTessellationSettings", "zkdWebEngine", "zkdKxmSettings"})
        QTest::newRow(className) << QByteArray(className);
}

// The object lists exactly the rows of its class and its ancestors, each with its value type.
void tst_zkdSceneClasses::listedRows()
{
    QFETCH(QByteArray, className);
    const zkdObject object = zkdObjectManager::create(className);
    QVERIFY(!object.isNull());

    QMap<QByteArray, QByteArray> expected;
    for (const QMetaObject *meta = object.ptr()->metaObject(); meta; meta = meta->superClass()) {
        for (const auto &row : m_rows.value(meta->className()))
            expected.insert(row.first, row.second);
    }
    QMap<QByteArray, QByteArray> listed;
    const auto *service = zkKernelServiceFactory::the().getService<zkObjectService>();
    for (const zkQRPCMetaProperty &property : service->getMetaProperties(object))
        listed.insert(property.name, property.value.typeName());

    QCOMPARE(listed.keys(), expected.keys());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (it.value() != "?")
            QCOMPARE(listed.value(it.key()) + " " + it.key(), it.value() + " " + it.key());
    }
}

void tst_zkdSceneClasses::hierarchy_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("chain");

    QTest::newRow("switch") << QByteArray("zkdSwitchNode") << QByteArray("zkdNode zkdSceneObject zkdObject");
    QTest::newRow("scene plate") << QByteArray("zkdSceneplateNode") << QByteArray("zkdSwitchNode zkdNode zkdSceneObject zkdObject");
    QTest::newRow("material node") << QByteArray("zkdMaterialNode") << QByteArray("zkdNode zkdSceneObject zkdObject");
    QTest::newRow("light link set") << QByteArray("zkdLightLinkSetNode") << QByteArray("zkdNode zkdSceneObject zkdObject");
    QTest::newRow("camera") << QByteArray("zkdCameraNode") << QByteArray("zkdNode zkdSceneObject zkdObject");
    QTest::newRow("disk light") << QByteArray("zkdDiskLightNode") << QByteArray("zkdAreaLightNode zkdBaseLightNode zkdNode zkdSceneObject zkdObject");
    QTest::newRow("rectangular light") << QByteArray("zkdRectangularLightNode") << QByteArray("zkdAreaLightNode zkdBaseLightNode zkdNode zkdSceneObject zkdObject");
    QTest::newRow("directional light") << QByteArray("zkdDirectionalLightNode") << QByteArray("zkdBaseLightNode zkdNode zkdSceneObject zkdObject");
    QTest::newRow("spot light") << QByteArray("zkdSpotLightNode") << QByteArray("zkdPointLightNode zkdBaseLightNode zkdNode zkdSceneObject zkdObject");
    QTest::newRow("ray light") << QByteArray("zkdRayLightNode") << QByteArray("zkdBaseLightNode zkdNode zkdSceneObject zkdObject");
    QTest::newRow("ray file") << QByteArray("zkdRayFile") << QByteArray("zkdSceneObject zkdObject");
    QTest::newRow("ghost line") << QByteArray("zkdLensFlareGhostLine") << QByteArray("zkdLensFlareElement zkdSceneObject zkdObject");
    QTest::newRow("star") << QByteArray("zkdLensFlareStar") << QByteArray("zkdLensFlareElement zkdSceneObject zkdObject");
    // A ghost must not count as an element.
    QTest::newRow("ghost") << QByteArray("zkdLensFlareGhost") << QByteArray("zkdSceneObject zkdObject");
    QTest::newRow("variant set") << QByteArray("zkdVariantSet") << QByteArray("zkdVariantSetBase zkdSceneObject zkdObject");
    QTest::newRow("variant set group") << QByteArray("zkdVariantSetGroup") << QByteArray("zkdVariantSetBase zkdSceneObject zkdObject");
    QTest::newRow("action container") << QByteArray("zkdActionContainer") << QByteArray("zkdObject");
    QTest::newRow("action slot") << QByteArray("zkdActionSlot") << QByteArray("zkdObject");
}

void tst_zkdSceneClasses::hierarchy()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, chain);
    const zkdObject object = zkdObjectManager::create(className);
    QVERIFY(!object.isNull());
    QByteArrayList names;
    for (const QMetaObject *meta = object.ptr()->metaObject()->superClass(); meta; meta = meta->superClass())
        names.append(meta->className());
    QCOMPARE(names.join(' '), chain);
}

void tst_zkdSceneClasses::enumerations_data()
{
    QTest::addColumn<QByteArray>("typeName");
    QTest::addColumn<int>("value");

    QTest::newRow("unit") << QByteArray("zkLightTypes::Unit") << 3;
    QTest::newRow("attenuation") << QByteArray("zkLightTypes::Attenuation") << 2;
    QTest::newRow("element type") << QByteArray("zkLensFlareTypes::ElementType") << 6;
    QTest::newRow("preset") << QByteArray("zkLensFlareTypes::PresetType") << 7;
    QTest::newRow("element shape") << QByteArray("zkLensFlareTypes::ElementShape") << 100;
    QTest::newRow("star shape") << QByteArray("zkLensFlareTypes::StarShape") << 100;
    QTest::newRow("vanishing lines") << QByteArray("zkCameraTypes::VanishingLinesType") << 4;
    QTest::newRow("plate type") << QByteArray("zkSceneplateTypes::NodeType") << 1;
    QTest::newRow("content type") << QByteArray("zkSceneplateTypes::ContentType") << 2;
    QTest::newRow("plate repeat") << QByteArray("zkSceneplateTypes::RepeatMode") << 3;
    QTest::newRow("position") << QByteArray("zkSceneplateTypes::Position") << 8;
    QTest::newRow("size type") << QByteArray("zkSceneplateTypes::SizeType") << 1;
    QTest::newRow("reference") << QByteArray("zkReferenceTypes::ReferenceType") << 1;
    QTest::newRow("variant set type") << QByteArray("zkVariantSetTypes::VariantSetType") << 1;
    QTest::newRow("texture slot") << QByteArray("zkdWebEngine::TextureSlotType") << 3;
}

// The scoped names resolve before any value of the type was made, and values convert to int.
void tst_zkdSceneClasses::enumerations()
{
    QFETCH(QByteArray, typeName);
    QFETCH(int, value);
    const int type = QMetaType::type(typeName);
    QVERIFY(type != QMetaType::UnknownType);
    QVERIFY(QMetaType::typeFlags(type) & QMetaType::IsEnumeration);
    QVariant variant(value);
    QVERIFY(variant.convert(type));
    QCOMPARE(QByteArray(variant.typeName()), typeName);
    QVERIFY(variant.canConvert<int>());
    QCOMPARE(variant.toInt(), value);
}

void tst_zkdSceneClasses::handleMetaTypes_data()
{
    QTest::addColumn<QByteArray>("className");
    for (const char *className : {"zkdNode", "zkdCameraNode", "zkdBaseLightNode", "zkdLightTransform",
                                        "zkdRayFileInfo", "zkdLensFlareElement", "zkdLensFlareGhost",
                                        "zkdVariantSet", "zkdVariantSetGroup", "zkdWebEngine", "zkdActionSlot"})
        QTest::newRow(className) << QByteArray(className);
}

// Handles travel in variants and lists under their own names, and order by identity.
void tst_zkdSceneClasses::handleMetaTypes()
{
    QFETCH(QByteArray, className);
    const int type = QMetaType::type(className);
    QVERIFY(type != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("QList<" + className + ">") != QMetaType::UnknownType);
    const zkdObject a = zkdObjectManager::create(className);
    const zkdObject b = zkdObjectManager::create(className);
    QCOMPARE(QByteArray(zkdObjectManager::toVariant(a).typeName()), className);
    int order = 0;
    QVERIFY(QMetaType::compare(&a, &b, type, &order));
    QCOMPARE(order, -1);
}

QTEST_MAIN(tst_zkdSceneClasses)
#include "tst_zkdSceneClasses.moc"
