#include <zkMaterialId.h>
#include <zkObjectService.h>
#include <zkKernelServiceFactory.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdClassInfo.h>
#include <zkdGlassMaterial.h>
#include <zkdImage.h>
#include <zkdMaterialNode.h>
#include <zkdObjectData.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>
#include <zkdSwitchMaterial.h>

#include <QDir>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

namespace {

QList<QByteArray> metaObjectChain(const zkdObject &object)
{
    QList<QByteArray> chain;
    const std::shared_ptr<zkdObjectData> data = object.ptr();
    for (const QMetaObject *meta = data ? data->metaObject() : nullptr; meta; meta = meta->superClass())
        chain.append(meta->className());
    return chain;
}

QList<zkQRPCMetaProperty> metaProperties(const zkdObject &object)
{
    return zkKernelServiceFactory::the().getService<zkObjectService>()->getMetaProperties(object);
}

} // namespace

class tst_zkdMaterialClasses : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void classes_data();
    void classes();
    void subObjectsAreCreatedAndOwned_data();
    void subObjectsAreCreatedAndOwned();
    void listedProperties_data();
    void listedProperties();
    void enumerations_data();
    void enumerations();
    void enumPropertyTakesAnInteger();
    void destroyTakesSubObjectsAlong();

    void materialNameAndTagsAreUndoableEdits();
    void multiMaterialSubMaterials();
    void switchChoice();
    void image();
    void emptyImage();

    void materialIdOrderAndStreaming();
    void materialIdResolvesSubMaterials();

private:
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
};

void tst_zkdMaterialClasses::init()
{
    stack()->clear();
}

void tst_zkdMaterialClasses::classes_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("baseName");
    QTest::addColumn<int>("propertyCount");

    const auto add = [](const char *name, const char *base, int count) {
        QTest::newRow(name) << QByteArray(name) << QByteArray(base) << count;
    };
    add("zkdMaterial", "zkdSceneObject", 7);
    add("zkdBRDFMaterial", "zkdMaterial", 12);
    add("zkdBrushedMetalMaterial", "zkdBRDFMaterial", 27);
    add("zkdCarbon2DMaterial", "zkdBRDFMaterial", 22);
    add("zkdCarbonMaterial", "zkdBRDFMaterial", 22);
    add("zkdChromeMaterial", "zkdBRDFMaterial", 23);
    add("zkdFlipflopMaterial", "zkdBRDFMaterial", 17);
    add("zkdGlassMaterial", "zkdBRDFMaterial", 37);
    add("zkdLineChromeMaterial", "zkdBRDFMaterial", 17);
    add("zkdMetallicPaintMaterial", "zkdBRDFMaterial", 19);
    add("zkdPhongMaterial", "zkdBRDFMaterial", 25);
    add("zkdPlasticMaterial", "zkdBRDFMaterial", 25);
    add("zkdReflectivePlasticMaterial", "zkdBRDFMaterial", 24);
    add("zkdUnicolorPaintMaterial", "zkdBRDFMaterial", 16);
    add("zkdVelvetMaterial", "zkdBRDFMaterial", 26);
    add("zkdWovenClothMaterial", "zkdBRDFMaterial", 35);
    add("zkdXRayMaterial", "zkdBRDFMaterial", 22);
    add("zkdMultiMaterial", "zkdMaterial", 8);
    add("zkdSwitchMaterial", "zkdMultiMaterial", 9);
    add("zkdXRiteMeasuredMaterial", "zkdSwitchMaterial", 10);
    add("zkdEnvironmentSwitchMaterial", "zkdSwitchMaterial", 9);
    add("zkdMultiPassMaterial", "zkdMultiMaterial", 8);
    add("zkdLayeredMaterial", "zkdMultiMaterial", 8);
    add("zkdEnvironmentMaterial", "zkdMaterial", 17);
    add("zkdSkylightMaterial", "zkdMaterial", 22);
    add("zkdLightPortalMaterial", "zkdMaterial", 8);
    add("zkdOCSMaterial", "zkdMaterial", 12);
    add("zkdShadowMaterial", "zkdMaterial", 17);
    add("zkdTireMaterial", "zkdMaterial", 7);
    add("zkdSubstanceMaterial", "zkdMaterial", 7);
    add("zkdSubstanceEnvironmentMaterial", "zkdMaterial", 7);

    add("zkdBRDFCommon", "zkdSceneObject", 10);
    add("zkdRaytracing", "zkdSceneObject", 20);
    add("zkdRoundedEdges", "zkdSceneObject", 11);
    add("zkdTransparency", "zkdSceneObject", 6);
    add("zkdUVTransparency", "zkdSceneObject", 6);
    add("zkdIncandescence", "zkdSceneObject", 16);
    add("zkdUVIncandescence", "zkdSceneObject", 16);
    add("zkdSubsurfaceScattering", "zkdSceneObject", 12);
    add("zkdUVSubsurfaceScattering", "zkdSceneObject", 12);
    add("zkdClearcoat", "zkdSceneObject", 7);
    add("zkdPaintClearcoat", "zkdClearcoat", 10);
    add("zkdMetallicPaintClearcoat", "zkdPaintClearcoat", 12);
    add("zkdUnicolorPaintClearcoat", "zkdPaintClearcoat", 10);
    add("zkdOCSClearcoat", "zkdSceneObject", 8);
    add("zkdFlakeLayer", "zkdSceneObject", 17);
    add("zkdFlipflopFlakeLayer", "zkdSceneObject", 10);
    add("zkdCarbonPattern", "zkdSceneObject", 7);
    add("zkdCarbonPattern2D", "zkdCarbonPattern", 8);
    add("zkdCarbonPattern3D", "zkdCarbonPattern", 10);

    add("zkdTexture", "zkdSceneObject", 41);
    add("zkdBumpTexture", "zkdTexture", 47);
    add("zkdDiffuseTexture", "zkdTexture", 44);
    add("zkdDisplacementTexture", "zkdTexture", 44);
    add("zkdExteriorTransparencyTexture", "zkdTexture", 41);
    add("zkdGlossyTexture", "zkdTexture", 42);
    add("zkdIncandescenceTexture", "zkdTexture", 41);
    add("zkdRoughnessTexture", "zkdTexture", 43);
    add("zkdStructuredBumpTexture", "zkdTexture", 44);
    add("zkdSubsurfaceScatteringTexture", "zkdTexture", 41);
    add("zkdTransparencyTexture", "zkdTexture", 43);
    add("zkdTriTexture", "zkdTexture", 42);
    add("zkdGlassTriTexture", "zkdTriTexture", 42);
    add("zkdUVDiffuseTexture", "zkdTexture", 42);
    add("zkdYarnTexture", "zkdTexture", 41);

    add("zkdEnvironmentColorCorrection", "zkdSceneObject", 11);
    add("zkdEnvironmentRaytracing", "zkdSceneObject", 13);
    add("zkdEnvironmentShadowsAndIllumination", "zkdSceneObject", 10);
    add("zkdEnvironmentTransformation", "zkdSceneObject", 9);
    add("zkdHDRLightStudio", "zkdSceneObject", 8);
    add("zkdSkylightLocation", "zkdSceneObject", 9);
    add("zkdSkylightSkyAndSun", "zkdSceneObject", 10);

    add("zkdImage", "zkdSceneObject", 8);
}

void tst_zkdMaterialClasses::classes()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, baseName);
    QFETCH(int, propertyCount);

    const zkdObject object = zkdObjectManager::create(className);
    QVERIFY(!object.isNull());
    QCOMPARE(object.getTypeName().toUtf8(), className);
    QCOMPARE(object.getTypeId(), zkdObjectManager::getTypeId(className));
    QCOMPARE(QMetaType::typeName(zkdObjectManager::toVariant(object).userType()), className.constData());

    const QList<QByteArray> chain = metaObjectChain(object);
    QVERIFY(chain.size() >= 3);
    QCOMPARE(chain.at(0), className);
    QCOMPARE(chain.at(1), baseName);
    QCOMPARE(chain.last(), QByteArray("zkdObject"));
    for (const QByteArray &name : chain)
        QVERIFY2(zkdObjectManager::classInfo(name), name.constData());

    // Names repeated from a base class (re-registered rows) must not list twice.
    const QList<zkQRPCMetaProperty> properties = metaProperties(object);
    QCOMPARE(properties.size(), propertyCount);
    QSet<QByteArray> names;
    for (const zkQRPCMetaProperty &property : properties)
        names.insert(property.name);
    QCOMPARE(names.size(), propertyCount);
}

void tst_zkdMaterialClasses::subObjectsAreCreatedAndOwned_data()
{
    QTest::addColumn<QByteArray>("className");
    for (const char *name : {"zkdGlassMaterial", "zkdWovenClothMaterial", "zkdMetallicPaintMaterial",
                             "zkdCarbonMaterial", "zkdSkylightMaterial", "zkdEnvironmentMaterial", "zkdOCSMaterial"})
        QTest::newRow(name) << QByteArray(name);
}

void tst_zkdMaterialClasses::subObjectsAreCreatedAndOwned()
{
    QFETCH(QByteArray, className);

    // Every sub-object, at any depth, is a live object of exactly its row's class whose owner
    // is the object that lists it.
    QList<zkdObject> pending{zkdObjectManager::create(className)};
    int subObjects = 0;
    while (!pending.isEmpty()) {
        const zkdObject object = pending.takeFirst();
        const std::shared_ptr<zkdObjectData> data = object.ptr();
        const QVector<zkdPropertyInfo> &properties = data->classInfo().properties;
        for (int i = 0; i < properties.size(); ++i) {
            const zkdPropertyInfo &info = properties.at(i);
            if (!(info.flags & zkdPropertyInfo::SubObject))
                continue;
            const zkdObject child = zkdObjectManager::fromVariant(data->property(i));
            QVERIFY2(!child.isNull(), info.name.constData());
            QCOMPARE(child.getTypeName().toUtf8(), QByteArray(QMetaType::typeName(info.type)));
            QCOMPARE(child.ptr()->owner(), data);
            QVERIFY(!(info.flags & zkdPropertyInfo::Writable));
            pending.append(child);
            ++subObjects;
        }
    }
    QVERIFY(subObjects > 0);
}

void tst_zkdMaterialClasses::listedProperties_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QByteArray>("typeName");
    QTest::addColumn<bool>("writable");

    const auto add = [](const char *className, const char *property, const char *typeName, bool writable = true) {
        QTest::addRow("%s.%s", className, property)
                << QByteArray(className) << QByteArray(property) << QByteArray(typeName) << writable;
    };
    add("zkdPlasticMaterial", "objectId", "qulonglong", false);
    add("zkdPlasticMaterial", "typeId", "qulonglong", false);
    add("zkdPlasticMaterial", "name", "QString");
    add("zkdPlasticMaterial", "tags", "QStringList");
    add("zkdPlasticMaterial", "diffuseColor", "QVector3D");
    add("zkdPlasticMaterial", "diffuseSpectrumColor", "QZKSpectrum");
    add("zkdPlasticMaterial", "analyticDiffuseColor", "QVector3D");
    add("zkdPlasticMaterial", "roughness", "float");
    add("zkdPlasticMaterial", "raytracing", "zkdRaytracing", false);
    add("zkdPlasticMaterial", "common", "zkdBRDFCommon", false);
    add("zkdPlasticMaterial", "subsurfaceScattering", "zkdSubsurfaceScattering", false);
    add("zkdBrushedMetalMaterial", "metalType", "zkdBrushedMetalMaterial::MetalType");
    add("zkdBrushedMetalMaterial", "diffuseTexture", "zkdUVDiffuseTexture", false);
    add("zkdChromeMaterial", "metalType", "zkdChromeMaterial::MetalType");
    add("zkdCarbonMaterial", "carbonPattern", "zkdCarbonPattern3D", false);
    add("zkdCarbon2DMaterial", "carbonPattern", "zkdCarbonPattern2D", false);
    add("zkdCarbon2DMaterial", "bumpTexture", "zkdStructuredBumpTexture", false);
    add("zkdGlassMaterial", "mediumType", "zkdGlassMaterial::MediumType");
    add("zkdGlassMaterial", "fresnelQuality", "zkdGlassMaterial::FresnelQualityType");
    add("zkdGlassMaterial", "refractionIndex", "float");
    add("zkdGlassMaterial", "texture", "zkdGlassTriTexture", false);
    add("zkdGlassMaterial", "incandescence", "zkdUVIncandescence", false);
    add("zkdGlassMaterial", "transparency", "zkdTransparency", false);
    add("zkdFlipflopMaterial", "clearcoat", "zkdPaintClearcoat", false);
    add("zkdUnicolorPaintMaterial", "clearcoat", "zkdUnicolorPaintClearcoat", false);
    add("zkdWovenClothMaterial", "presetChoice", "zkdWovenClothMaterial::ClothPresets");
    add("zkdWovenClothMaterial", "yarnTexture", "zkdYarnTexture", false);
    add("zkdReflectivePlasticMaterial", "fresnelQuality", "zkdReflectivePlasticMaterial::FresnelQuality");
    add("zkdMultiMaterial", "materials", "QList<zkdMaterial>");
    add("zkdSwitchMaterial", "choice", "uint");
    add("zkdXRiteMeasuredMaterial", "measurement", "QString");
    add("zkdOCSMaterial", "automaticReload", "bool");
    add("zkdShadowMaterial", "reflectionMode", "zkdShadowMaterial::ReflectionMode");
    add("zkdEnvironmentMaterial", "environment", "zkdImage");
    add("zkdEnvironmentMaterial", "geometryType", "zkdEnvironmentMaterial::GeometryType");
    add("zkdEnvironmentMaterial", "visible", "bool");
    add("zkdSkylightMaterial", "geometryType", "zkdEnvironmentMaterial::GeometryType");
    add("zkdSkylightMaterial", "resolution", "uint");
    add("zkdSkylightMaterial", "date", "QDate");
    add("zkdSkylightMaterial", "time", "QTime");
    add("zkdBRDFCommon", "environment", "zkdMaterial");
    add("zkdBRDFCommon", "vrsQuality", "zkdBRDFCommon::VrsQuality");
    add("zkdRaytracing", "stillFrameIlluminationMode", "zkdRaytracing::IlluminationMode");
    add("zkdEnvironmentRaytracing", "illuminationMode", "zkdEnvironmentRaytracing::IlluminationMode");
    add("zkdIncandescence", "interactiveAreaLightQuality", "uint");
    add("zkdUVSubsurfaceScattering", "mediaType", "zkdUVSubsurfaceScattering::MediaType");
    add("zkdUnicolorPaintClearcoat", "type", "zkdClearcoat::Type");
    add("zkdOCSClearcoat", "fresnelQuality", "zkdOCSClearcoat::FresnelQuality");
    add("zkdCarbonPattern3D", "type", "zkdCarbonPattern::Type");
    add("zkdFlakeLayer", "flipFlopFlakeSpectrum", "QZKSpectrum");
    add("zkdTexture", "image", "zkdImage");
    add("zkdTexture", "frameOffset", "uint");
    add("zkdTexture", "projectionType", "zkTextureTypes::ProjectionType");
    add("zkdTexture", "repeatModeV", "zkTextureTypes::RepeatMode");
    add("zkdTexture", "textureSizeMM", "QVector2D");
    add("zkdTexture", "planarProjectionSize", "QVector3D");
    add("zkdTexture", "manipulate", "bool");
    add("zkdBumpTexture", "surfaceStructure", "zkdBumpTexture::SurfaceStructure");
    add("zkdStructuredBumpTexture", "surfaceStructure", "zkdBumpTexture::SurfaceStructure");
    add("zkdDisplacementTexture", "displacementSilhouetteMode", "zkdDisplacementTexture::DisplacementSilhouetteMode");
    add("zkdTriTexture", "textureMode", "zkdTriTexture::TextureMode");
    add("zkdUVDiffuseTexture", "projectionType", "zkTextureTypes::ProjectionType");
    add("zkdEnvironmentShadowsAndIllumination", "mapResolution", "uint");
    add("zkdHDRLightStudio", "lightPaintMode", "zkdHDRLightStudio::LightPaintMode");
    add("zkdSkylightLocation", "timeZone", "float");
    add("zkdSkylightSkyAndSun", "skyModel", "zkdSkylightSkyAndSun::SkyModel");
}

void tst_zkdMaterialClasses::listedProperties()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, property);
    QFETCH(QByteArray, typeName);
    QFETCH(bool, writable);

    const QList<zkQRPCMetaProperty> properties = metaProperties(zkdObjectManager::create(className));
    const auto it = std::find_if(properties.begin(), properties.end(),
                                 [&](const zkQRPCMetaProperty &p) { return p.name == property; });
    QVERIFY(it != properties.end());
    QCOMPARE(QByteArray(it->value.typeName()), typeName);
    QCOMPARE(it->isWritable(), writable);
}

void tst_zkdMaterialClasses::enumerations_data()
{
    QTest::addColumn<QByteArray>("typeName");
    QTest::addColumn<int>("keyCount");

    const auto add = [](const char *name, int count) { QTest::newRow(name) << QByteArray(name) << count; };
    add("zkTextureTypes::ProjectionType", 3);
    add("zkTextureTypes::RepeatMode", 4);
    add("zkdBrushedMetalMaterial::MetalType", 21);
    add("zkdChromeMaterial::MetalType", 21);
    add("zkdGlassMaterial::MediumType", 5);
    add("zkdGlassMaterial::DispersionInputType", 3);
    add("zkdGlassMaterial::FresnelQualityType", 2);
    add("zkdMetallicPaintMaterial::PaintType", 3);
    add("zkdReflectivePlasticMaterial::FresnelQuality", 2);
    add("zkdShadowMaterial::OpacityMode", 2);
    add("zkdShadowMaterial::ReflectionMode", 4);
    add("zkdWovenClothMaterial::ClothPresets", 11);
    add("zkdWovenClothMaterial::WeaveType", 6);
    add("zkdWovenClothMaterial::YarnType", 2);
    add("zkdEnvironmentMaterial::GeometryType", 4);
    add("zkdBRDFCommon::LightingMode", 5);
    add("zkdBRDFCommon::VrsQuality", 7);
    add("zkdRaytracing::IlluminationMode", 5);
    add("zkdRoundedEdges::EdgeMode", 4);
    add("zkdRoundedEdges::EdgeType", 3);
    add("zkdSubsurfaceScattering::Mode", 3);
    add("zkdSubsurfaceScattering::MediaType", 16);
    add("zkdUVSubsurfaceScattering::Mode", 3);
    add("zkdUVSubsurfaceScattering::MediaType", 16);
    add("zkdClearcoat::Type", 3);
    add("zkdOCSClearcoat::FresnelQuality", 4);
    add("zkdCarbonPattern::Type", 4);
    add("zkdBumpTexture::SurfaceStructure", 4);
    add("zkdBumpTexture::BumpType", 2);
    add("zkdDisplacementTexture::DisplacementSilhouetteMode", 2);
    add("zkdTriTexture::TextureMode", 2);
    add("zkdEnvironmentRaytracing::IlluminationMode", 2);
    add("zkdHDRLightStudio::LightPaintMode", 3);
    add("zkdSkylightSkyAndSun::SkyModel", 2);
}

void tst_zkdMaterialClasses::enumerations()
{
    QFETCH(QByteArray, typeName);
    QFETCH(int, keyCount);

    const int type = QMetaType::type(typeName);
    QVERIFY(type != QMetaType::UnknownType);
    QVERIFY(QMetaType::typeFlags(type) & QMetaType::IsEnumeration);

    // One enumerator per combo item, numbered from 0 (the geometry types say so explicitly).
    const QMetaObject *scope = QMetaType::metaObjectForType(type);
    QVERIFY(scope);
    const QMetaEnum metaEnum = scope->enumerator(scope->indexOfEnumerator(typeName.mid(typeName.lastIndexOf(':') + 1)));
    QCOMPARE(metaEnum.keyCount(), keyCount);
    for (int i = 0; i < keyCount; ++i)
        QCOMPARE(metaEnum.value(i), i);

    const int last = keyCount - 1;
    const QVariant value(type, &last);
    QVERIFY(value.canConvert<int>());
    QCOMPARE(value.toInt(), last);
}

void tst_zkdMaterialClasses::enumPropertyTakesAnInteger()
{
    const auto glass = zkdObjectManager::create<zkdGlassMaterial>();
    QVERIFY(glass.setProperty("fresnelQuality", int(zkdGlassMaterial::Fast)));
    const QVariant value = glass.property("fresnelQuality");
    QCOMPARE(value.userType(), qMetaTypeId<zkdGlassMaterial::FresnelQualityType>());
    QCOMPARE(value.value<zkdGlassMaterial::FresnelQualityType>(), zkdGlassMaterial::Fast);
    // A value of another type that is no number is refused and leaves the value.
    QVERIFY(!glass.setProperty("fresnelQuality", QStringLiteral("Accurate")));
    QCOMPARE(glass.property("fresnelQuality").toInt(), int(zkdGlassMaterial::Fast));
}

void tst_zkdMaterialClasses::destroyTakesSubObjectsAlong()
{
    const auto plastic = zkdObjectManager::create<zkdPlasticMaterial>();
    const zkdObject common = zkdObjectManager::fromVariant(plastic.property("common"));
    const zkdObject transparencyTexture =
            zkdObjectManager::fromVariant(zkdObjectManager::fromVariant(plastic.property("transparency")).property("texture"));
    QVERIFY(!transparencyTexture.isNull());
    zkdObjectManager::destroy(plastic);
    QVERIFY(!plastic.isValid());
    QVERIFY(!common.ptr());
    QVERIFY(!transparencyTexture.ptr());
}

void tst_zkdMaterialClasses::materialNameAndTagsAreUndoableEdits()
{
    const auto material = zkdObjectManager::create<zkdPlasticMaterial>();
    material.setName(QStringLiteral("Red"));
    QSignalSpy changes(zkKernelServiceFactory::the().getService<zkObjectService>(), &zkObjectService::propertyChangedBS);
    {
        zkScopedUndo undo(true);
        material.setName(QStringLiteral("Crimson"));
        material.setTags({QStringLiteral("car"), QStringLiteral("interior")});
    }
    QCOMPARE(material.getName(), QStringLiteral("Crimson"));
    QCOMPARE(material.getTags(), QStringList({QStringLiteral("car"), QStringLiteral("interior")}));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(0).at(1).toByteArray(), QByteArray("name"));
    QCOMPARE(changes.at(1).at(1).toByteArray(), QByteArray("tags"));
    QCOMPARE(stack()->count(), 2);
    stack()->undo();
    stack()->undo();
    QCOMPARE(material.getName(), QStringLiteral("Red"));
    QVERIFY(material.getTags().isEmpty());

    const zkdMaterial null;
    QCOMPARE(null.getName(), QString());
    QVERIFY(null.getIcon().isNull());
    QVERIFY(null.getPreviewImage().isNull());
}

void tst_zkdMaterialClasses::multiMaterialSubMaterials()
{
    const auto multi = zkdObjectManager::create<zkdMultiMaterial>();
    const auto first = zkdObjectManager::create<zkdPlasticMaterial>();
    const auto second = zkdObjectManager::create<zkdGlassMaterial>();
    QCOMPARE(multi.count(), 0);
    QVERIFY(multi.at(0).isNull());

    multi.setMaterials({first, second});
    QCOMPARE(multi.count(), 2);
    QCOMPARE(multi.at(0), zkdMaterial(first));
    QCOMPARE(multi.at(1), zkdMaterial(second));
    // Sub-materials keep their own class behind the zkdMaterial handles.
    QVERIFY(multi.at(1).isTypeOf<zkdGlassMaterial>());
    QVERIFY(multi.at(2).isNull());
    QVERIFY(multi.at(-1).isNull());
    QVERIFY(zkd_cast<zkdMultiMaterial>(zkdMaterial(first)).isNull());
    QCOMPARE(zkd_cast<zkdMultiMaterial>(zkdMaterial(multi)), multi);
}

void tst_zkdMaterialClasses::switchChoice()
{
    const auto switchMaterial = zkdObjectManager::create<zkdSwitchMaterial>();
    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    {
        zkScopedUndo undo(true);
        switchMaterial.setChoice(2);
    }
    QCOMPARE(switchMaterial.getChoice(), 2);
    QCOMPARE(switchMaterial.property("choice").userType(), int(QMetaType::UInt));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().at(1).toByteArray(), QByteArray("choice"));

    switchMaterial.setChoice(-1);
    QCOMPARE(switchMaterial.getChoice(), 2);

    stack()->undo();
    QCOMPARE(switchMaterial.getChoice(), 0);
}

void tst_zkdMaterialClasses::image()
{
    QImage pixels(4, 2, QImage::Format_ARGB32);
    pixels.fill(Qt::red);
    const zkdImage image = zkdImage::create(pixels, QStringLiteral("textures/red.png"));
    QVERIFY(image.isValid());
    QCOMPARE(image.getFileName(), QStringLiteral("textures/red.png"));
    QVERIFY(QDir::isAbsolutePath(image.getAbsolutePath()));
    QVERIFY(image.getAbsolutePath().endsWith(QLatin1String("/textures/red.png")));
    QCOMPARE(image.toQImage(), pixels);
    QVERIFY(!image.hasInlinedSequence());

    {
        zkScopedUndo undo(true);
        image.setPremultipliedAlpha(true);
    }
    QVERIFY(image.getPremultipliedAlpha());
    stack()->undo();
    QVERIFY(!image.getPremultipliedAlpha());

    // The file name and the pixels are the loaded file's, not edits.
    QVERIFY(!image.setProperty("fileName", QStringLiteral("other.png")));

    QImage frame(pixels);
    frame.fill(Qt::blue);
    const zkdImage sequence = zkdImage::create(pixels, QStringLiteral("anim.gif"), {pixels, frame});
    QVERIFY(sequence.hasInlinedSequence());
    QCOMPARE(sequence.getFrames(), QList<QImage>({pixels, frame}));
}

void tst_zkdMaterialClasses::emptyImage()
{
    const zkdImage empty;
    QVERIFY(empty.isNull());
    QCOMPARE(empty.getFileName(), QString());
    QCOMPARE(empty.getAbsolutePath(), QString());
    QVERIFY(!empty.hasInlinedSequence());
    QVERIFY(!empty.getPremultipliedAlpha());
    QVERIFY(empty.toQImage().isNull());

    // An empty image is a legal value for an image row.
    const zkdObject texture = zkdObjectManager::create(QByteArrayLiteral("zkdDiffuseTexture"));
    QVERIFY(texture.setProperty("image", QVariant::fromValue(zkdImage::create(QImage(1, 1, QImage::Format_RGB32)))));
    QVERIFY(texture.setProperty("image", QVariant::fromValue(zkdImage())));
    QVERIFY(texture.property("image").value<zkdImage>().isNull());
}

void tst_zkdMaterialClasses::materialIdOrderAndStreaming()
{
    const auto group = zkdObjectManager::create<zkdNode>();
    const auto node = zkdObjectManager::create<zkdMaterialNode>();
    QVERIFY(!group.isNull() && !node.isNull());
    const zkMaterialId groupId(group);
    const zkMaterialId nodeId(node);
    const zkMaterialId first(nodeId, 0);
    const zkMaterialId second(nodeId, 1);
    const zkMaterialId nested(second, 0);

    QVERIFY(zkMaterialId().isNull());
    QVERIFY(!nodeId.isSubMaterial());
    QCOMPARE(nested.getSubMaterialPath(), QVector<int>({1, 0}));
    QCOMPARE(nested.getParent(), second);
    QCOMPARE(second.getParent(), nodeId);
    QVERIFY(nodeId.getParent().isNull());
    QCOMPARE(nodeId.getNode(), zkdNode(node));

    // Ordered by node, then by path, with an entry right after its parent.
    QVERIFY(groupId < nodeId);
    QVERIFY(nodeId < first);
    QVERIFY(first < second);
    QVERIFY(second < nested);
    QVERIFY(!(nested < second));
    QVERIFY(zkMaterialId(nodeId, 0) == first);
    QVERIFY(first != second);

    // Through the registered comparators, as models that key items by QVariant ids compare.
    const QVariant a = QVariant::fromValue(first);
    QCOMPARE(QByteArray(a.typeName()), QByteArray("zkMaterialId"));
    int order = 0;
    QVERIFY(QMetaType::compare(&first, &second, qMetaTypeId<zkMaterialId>(), &order));
    QVERIFY(order < 0);
    QVERIFY(QMetaType::compare(&second, &first, qMetaTypeId<zkMaterialId>(), &order));
    QVERIFY(order > 0);
    QVERIFY(a == QVariant::fromValue(zkMaterialId(nodeId, 0)));
    QVERIFY(a != QVariant::fromValue(second));

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << QVariant::fromValue(nested);
    }
    QDataStream in(bytes);
    QVariant read;
    in >> read;
    QCOMPARE(read.value<zkMaterialId>(), nested);
}

void tst_zkdMaterialClasses::materialIdResolvesSubMaterials()
{
    const auto node = zkdObjectManager::create<zkdMaterialNode>();
    const auto outer = zkdObjectManager::create<zkdSwitchMaterial>();
    const auto inner = zkdObjectManager::create<zkdMultiMaterial>();
    const auto leaf = zkdObjectManager::create<zkdPlasticMaterial>();
    inner.setMaterials({leaf});
    outer.setMaterials({zkdObjectManager::create<zkdGlassMaterial>(), inner});
    node.setMaterial(outer);

    const zkMaterialId nodeId(node);
    QCOMPARE(nodeId.getMaterial(), zkdMaterial(outer));
    QCOMPARE(zkMaterialId(zkMaterialId(nodeId, 1), 0).getMaterial(), zkdMaterial(leaf));
    QVERIFY(zkMaterialId(nodeId, 5).getMaterial().isNull());
    QVERIFY(zkMaterialId(zkdObjectManager::create<zkdNode>()).getMaterial().isNull());
}

QTEST_GUILESS_MAIN(tst_zkdMaterialClasses)
#include "tst_zkdMaterialClasses.moc"
