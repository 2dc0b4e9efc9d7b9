#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>
#include <zkUndoStack.h>
#include <zkdBrushedMetalMaterial.h>
#include <zkdBumpTexture.h>
#include <zkdGlassMaterial.h>
#include <zkdPlasticMaterial.h>
#include <zkdSkylightMaterial.h>
#include <zkdSubsurfaceScattering.h>
#include <zkdWovenClothMaterial.h>

#include "zkKernelTestFixture.h"

#include <QTest>
#include <QVector2D>
#include <QVector3D>

// Values the kernel derives from an edit: they change in the edit's undo step and are announced.
class tst_zkdMaterialCouplings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void analyticDiffuseColorFollows_data();
    void analyticDiffuseColorFollows();
    void presetSetsValues_data();
    void presetSetsValues();
    void glassReflectivityFollowsIndex();
    void wovenClothPreset();
    void uniformTriplanarRepeat_data();
    void uniformTriplanarRepeat();
    void linkedTexturesShareMapping();
    void materialWideTextureValues();
    void commandsFallBack_data();
    void commandsFallBack();
    void unchangedFileNameIsWrittenAgain();
    void skylightLocation();

private:
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
};

void tst_zkdMaterialCouplings::init()
{
    stack()->clear();
}

void tst_zkdMaterialCouplings::analyticDiffuseColorFollows_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("colorProperty");
    for (const char *name : {"zkdPlasticMaterial", "zkdPhongMaterial", "zkdReflectivePlasticMaterial",
                             "zkdBrushedMetalMaterial", "zkdCarbonMaterial", "zkdCarbon2DMaterial",
                             "zkdVelvetMaterial", "zkdWovenClothMaterial"})
        QTest::newRow(name) << QByteArray(name) << QByteArray("diffuseColor");
    QTest::newRow("zkdGlassMaterial") << QByteArray("zkdGlassMaterial") << QByteArray("exteriorColor");
}

void tst_zkdMaterialCouplings::analyticDiffuseColorFollows()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, colorProperty);
    const zkdObject material = zkdObjectManager::create(className);
    const QVariant before = material.property(colorProperty);
    QCOMPARE(material.property("analyticDiffuseColor"), before);

    const zkChangeLog log;
    const QVector3D color(0.1f, 0.2f, 0.3f);
    QVERIFY(zkEdit(material, colorProperty, color));
    QCOMPARE(log.values(material, "analyticDiffuseColor"), QVariantList{QVariant(color)});
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(material.property("analyticDiffuseColor"), before);
    // Other edits leave an analytic colour set by hand alone.
    QVERIFY(zkEdit(material, "analyticDiffuseColor", QVector3D(1, 0, 0)));
    QVERIFY(zkEdit(material, "useRealisticSettings", true));
    QCOMPARE(material.property("analyticDiffuseColor").value<QVector3D>(), QVector3D(1, 0, 0));
}

void tst_zkdMaterialCouplings::presetSetsValues_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("selector");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("typingLeavesPreset");

    QTest::newRow("silver") << QByteArray("zkdBrushedMetalMaterial") << QByteArray("metalType")
                            << int(zkdBrushedMetalMaterial::Silver) << QByteArray("reflectivity") << 0.95f << false;
    QTest::newRow("iron, the last metal")
        << QByteArray("zkdBrushedMetalMaterial") << QByteArray("metalType") << int(zkdBrushedMetalMaterial::Iron)
        << QByteArray("reflectivity") << 0.56f << false;
    QTest::newRow("glass index") << QByteArray("zkdGlassMaterial") << QByteArray("mediumType")
                                 << int(zkdGlassMaterial::Diamond) << QByteArray("refractionIndex") << 2.417f << true;
    QTest::newRow("glass Abbe number") << QByteArray("zkdGlassMaterial") << QByteArray("mediumType")
                                       << int(zkdGlassMaterial::Diamond) << QByteArray("abbeNumber") << 55.3f << true;
    QTest::newRow("subsurface") << QByteArray("zkdSubsurfaceScattering") << QByteArray("mediaType")
                                << int(zkdSubsurfaceScattering::Water19C) << QByteArray("refractionIndex") << 1.3331f
                                << true;
    QTest::newRow("UV subsurface") << QByteArray("zkdUVSubsurfaceScattering") << QByteArray("mediaType")
                                   << int(zkdSubsurfaceScattering::Water24C) << QByteArray("refractionIndex") << 1.3326f
                                   << true;
}

// A preset choice fills in its value in the same step; back to the custom entry (0) the value
// stays to be edited from there. Where a typed value no longer matches, the choice turns custom.
void tst_zkdMaterialCouplings::presetSetsValues()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, selector);
    QFETCH(int, choice);
    QFETCH(QByteArray, property);
    QFETCH(float, value);
    QFETCH(bool, typingLeavesPreset);
    const zkdObject object = zkdObjectManager::create(className);
    const QVariant before = object.property(property);

    const zkChangeLog log;
    QVERIFY(zkEdit(object, selector, choice));
    QCOMPARE(object.property(property).toFloat(), value);
    QCOMPARE(log.values(object, property).size(), 1);
    QCOMPARE(stack()->count(), 1);

    QVERIFY(zkEdit(object, property, value + 0.5f));
    QCOMPARE(object.property(selector).toInt(), typingLeavesPreset ? 0 : choice);
    stack()->undo();
    QCOMPARE(object.property(selector).toInt(), choice);
    QCOMPARE(object.property(property).toFloat(), value);

    QVERIFY(zkEdit(object, selector, 0));
    QCOMPARE(object.property(property).toFloat(), value);
    stack()->undo();
    stack()->undo();
    QCOMPARE(object.property(property), before);
    QCOMPARE(object.property(selector).toInt(), 0);
}

void tst_zkdMaterialCouplings::glassReflectivityFollowsIndex()
{
    const auto fresnel = [](float n) { return (n - 1) * (n - 1) / ((n + 1) * (n + 1)); };
    const auto glass = zkdObjectManager::create<zkdGlassMaterial>();
    QCOMPARE(glass.property("reflectivity").toFloat(), fresnel(glass.property("refractionIndex").toFloat()));
    QVERIFY(zkEdit(glass, "mediumType", int(zkdGlassMaterial::Diamond)));
    QCOMPARE(glass.property("reflectivity").toFloat(), fresnel(2.417f));
    // A custom reflectivity is kept until it is switched off.
    QVERIFY(zkEdit(glass, "useCustomReflectivity", true));
    QVERIFY(zkEdit(glass, "reflectivity", 0.3f));
    QVERIFY(zkEdit(glass, "refractionIndex", 2.0f));
    QCOMPARE(glass.property("reflectivity").toFloat(), 0.3f);
    QVERIFY(zkEdit(glass, "useCustomReflectivity", false));
    QCOMPARE(glass.property("reflectivity").toFloat(), fresnel(2.0f));
}

void tst_zkdMaterialCouplings::wovenClothPreset()
{
    const auto cloth = zkdObjectManager::create<zkdWovenClothMaterial>();
    const QList<QByteArray> presetProperties{
        "diffuseColor", "darkening", "warpColor", "weftColor", "weaveType", "yarnType", "yarnTwistAngle",
        "highlightWidth", "exposure", "noiseIntensity", "moireRemoval", "warpYarnCurvature", "weftYarnCurvature",
    };
    QVariantList before;
    for (const QByteArray &name : presetProperties)
        before.append(cloth.property(name));

    const zkChangeLog log;
    QVERIFY(zkEdit(cloth, "presetChoice", int(zkdWovenClothMaterial::Jeans)));
    QCOMPARE(cloth.property("weaveType").toInt(), int(zkdWovenClothMaterial::DenimPattern));
    QCOMPARE(cloth.property("yarnTwistAngle").toFloat(), 30.0f);
    QCOMPARE(cloth.property("analyticDiffuseColor").value<QVector3D>(), QVector3D(0.12f, 0.2f, 0.38f));
    // Every value the preset changed was announced.
    for (int i = 0; i < presetProperties.size(); ++i)
        QCOMPARE(log.contains(cloth, presetProperties.at(i)), cloth.property(presetProperties.at(i)) != before.at(i));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    for (int i = 0; i < presetProperties.size(); ++i)
        QCOMPARE(cloth.property(presetProperties.at(i)), before.at(i));
    QCOMPARE(cloth.property("analyticDiffuseColor"), before.first());
    // Filament yarn has no twist.
    QVERIFY(zkEdit(cloth, "yarnType", int(zkdWovenClothMaterial::Filament)));
    QCOMPARE(cloth.property("yarnTwistAngle").toFloat(), 90.0f);
}

void tst_zkdMaterialCouplings::uniformTriplanarRepeat_data()
{
    QTest::addColumn<QByteArray>("className");
    for (const char *name : {"zkdDiffuseTexture", "zkdTriTexture", "zkdGlassTriTexture"})
        QTest::newRow(name) << QByteArray(name);
}

void tst_zkdMaterialCouplings::uniformTriplanarRepeat()
{
    QFETCH(QByteArray, className);
    const zkdObject texture = zkdObjectManager::create(className);
    const QVector2D x(2, 3);
    QVERIFY(zkEdit(texture, "triplanarXRepeat", x));
    QCOMPARE(texture.property("triplanarYRepeat").value<QVector2D>(), QVector2D(1, 1));
    QVERIFY(zkEdit(texture, "uniformRepeat", true));
    QCOMPARE(texture.property("triplanarYRepeat").value<QVector2D>(), x);
    QCOMPARE(texture.property("triplanarZRepeat").value<QVector2D>(), x);

    const zkChangeLog log;
    const QVector2D z(5, 5);
    QVERIFY(zkEdit(texture, "triplanarZRepeat", z));
    QCOMPARE(texture.property("triplanarYRepeat").value<QVector2D>(), z);
    QCOMPARE(log.values(texture, "triplanarXRepeat"), QVariantList{QVariant(z)});
    stack()->undo();
    for (const char *name : {"triplanarXRepeat", "triplanarYRepeat", "triplanarZRepeat"})
        QCOMPARE(texture.property(name).value<QVector2D>(), x);
}

// Textures of one material with linked settings share their mapping, not what they show.
void tst_zkdMaterialCouplings::linkedTexturesShareMapping()
{
    const auto plastic = zkdObjectManager::create<zkdPlasticMaterial>();
    const zkdObject diffuse = zkSubObject(plastic, "diffuseTexture");
    const zkdObject bump = zkSubObject(plastic, "bumpTexture");
    const zkdObject glossy = zkSubObject(plastic, "glossyTexture");
    // Textures of components belong to the material too.
    const zkdObject transparency = zkSubObject(zkSubObject(plastic, "transparency"), "texture");
    for (const zkdObject &texture : {diffuse, bump, transparency})
        QVERIFY(texture.setProperty("linkTextureSettings", true));
    const zkdObject otherDiffuse = zkSubObject(zkdObjectManager::create<zkdPlasticMaterial>(), "diffuseTexture");
    QVERIFY(otherDiffuse.setProperty("linkTextureSettings", true));

    const zkChangeLog log;
    const QVector2D repeat(3, 4);
    QVERIFY(zkEdit(diffuse, "repeat", repeat));
    QCOMPARE(transparency.property("repeat").value<QVector2D>(), repeat);
    QCOMPARE(glossy.property("repeat").value<QVector2D>(), QVector2D(1, 1));
    QCOMPARE(otherDiffuse.property("repeat").value<QVector2D>(), QVector2D(1, 1));
    QCOMPARE(log.values(bump, "repeat"), QVariantList{QVariant(repeat)});
    QVERIFY(zkEdit(bump, "repeatModeV", int(zkTextureTypes::Clamp)));
    QCOMPARE(diffuse.property("repeatModeV").toInt(), int(zkTextureTypes::Clamp));
    QVERIFY(zkEdit(diffuse, "useTexture", true));
    QVERIFY(!bump.property("useTexture").toBool());
    QCOMPARE(stack()->count(), 3);
    stack()->undo();
    stack()->undo();
    QCOMPARE(diffuse.property("repeatModeV").toInt(), int(zkTextureTypes::Repeat));
    stack()->undo();
    for (const zkdObject &texture : {diffuse, bump, transparency})
        QCOMPARE(texture.property("repeat").value<QVector2D>(), QVector2D(1, 1));
    // A texture joining the link takes the mapping over.
    QVERIFY(diffuse.setProperty("rotate", 45.0f));
    QVERIFY(zkEdit(glossy, "linkTextureSettings", true));
    QCOMPARE(glossy.property("rotate").toFloat(), 45.0f);
    QCOMPARE(diffuse.property("rotate").toFloat(), 45.0f);
    stack()->undo();
    QCOMPARE(glossy.property("rotate").toFloat(), 0.0f);
}

void tst_zkdMaterialCouplings::materialWideTextureValues()
{
    const auto plastic = zkdObjectManager::create<zkdPlasticMaterial>();
    const zkdObject diffuse = zkSubObject(plastic, "diffuseTexture");
    const zkdObject transparency = zkSubObject(zkSubObject(plastic, "transparency"), "texture");
    const zkChangeLog log;
    QVERIFY(zkEdit(transparency, "useCutout", true));
    QCOMPARE(log.values(diffuse, "useCutout"), QVariantList{true});
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QVERIFY(!diffuse.property("useCutout").toBool());
    // A bump texture of texture structure uses its image.
    const auto bump = zkdObjectManager::create<zkdBumpTexture>();
    QVERIFY(zkEdit(bump, "surfaceStructure", int(zkdBumpTexture::Texture)));
    QVERIFY(bump.property("useTexture").toBool());
    QVERIFY(zkEdit(bump, "surfaceStructure", int(zkdBumpTexture::Procedural)));
    QVERIFY(!bump.property("useTexture").toBool());
}

void tst_zkdMaterialCouplings::commandsFallBack_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("subObjectName");
    QTest::addColumn<QByteArray>("command");

    const auto add = [](const char *className, const char *sub, const char *command) {
        QTest::addRow("%s", command) << QByteArray(className) << QByteArray(sub) << QByteArray(command);
    };
    add("zkdPlasticMaterial", "diffuseTexture", "manipulate");
    add("zkdPlasticMaterial", "bumpTexture", "planarProjectionFitSize");
    add("zkdGlassMaterial", "texture", "planarProjectionObjectCenter");
    add("zkdEnvironmentMaterial", "transformation", "centerFromObject");
    add("zkdEnvironmentMaterial", "hDRLightStudio", "editAndLoadSettings");
    add("zkdEnvironmentMaterial", "hDRLightStudio", "settings");
    add("zkdOCSMaterial", "", "automaticReload");
}

// A command row reads false again right after each press, and both are announced.
void tst_zkdMaterialCouplings::commandsFallBack()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, subObjectName);
    QFETCH(QByteArray, command);
    const zkdObject owner = zkdObjectManager::create(className);
    const zkdObject object = subObjectName.isEmpty() ? owner : zkSubObject(owner, subObjectName.constData());
    const auto properties = zkKernelServiceFactory::the().getService<zkObjectService>()->getMetaProperties(object);
    const auto row = std::find_if(properties.begin(), properties.end(),
                                  [&](const zkQRPCMetaProperty &p) { return p.name == command; });
    QVERIFY(row != properties.end() && row->isNoCache() && row->isWritable());

    const zkChangeLog log;
    for (int press = 0; press < 2; ++press) {
        QVERIFY(zkEdit(object, command, true));
        QVERIFY(!object.property(command).toBool());
    }
    QCOMPARE(log.values(object, command), QVariantList({true, false, true, false}));
    // A press that changes nothing else leaves no undo step behind.
    QCOMPARE(stack()->count(), 0);
}

void tst_zkdMaterialCouplings::unchangedFileNameIsWrittenAgain()
{
    const zkdObject material = zkdObjectManager::create(QByteArrayLiteral("zkdXRiteMeasuredMaterial"));
    QVERIFY(material.setProperty("measurement", QStringLiteral("/samples/leather.axf")));
    const zkChangeLog log;
    QVERIFY(material.setProperty("measurement", QStringLiteral("/samples/leather.axf")));
    QCOMPARE(log.values(material, "measurement").size(), 1);
}

void tst_zkdMaterialCouplings::skylightLocation()
{
    const zkdObject location = zkSubObject(zkdObjectManager::create<zkdSkylightMaterial>(), "location");
    const QString city = location.property("closestCity").toString();
    const float timeZone = location.property("timeZone").toFloat();
    const zkChangeLog log;
    {
        zkScopedUndo undo(true);
        zkScopedMultiCommand multi;
        QVERIFY(location.setProperty("longitude", 139.7f));
        QVERIFY(location.setProperty("latitude", 35.7f));
    }
    QCOMPARE(log.values(location, "closestCity").last().toString(), QStringLiteral("Tokyo"));

    QVERIFY(zkEdit(location, "useDaylightSavingTime", true));
    QCOMPARE(location.property("timeZone").toFloat(), timeZone + 1);
    QVERIFY(zkEdit(location, "useDaylightSavingTime", false));
    QCOMPARE(location.property("timeZone").toFloat(), timeZone);
    stack()->undo();
    stack()->undo();
    stack()->undo();
    QCOMPARE(location.property("closestCity").toString(), city);
}

QTEST_GUILESS_MAIN(tst_zkdMaterialCouplings)
#include "tst_zkdMaterialCouplings.moc"
