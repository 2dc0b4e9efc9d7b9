#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdBrushedMetalMaterial.h>
#include <zkdBumpTexture.h>
#include <zkdGlassMaterial.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>
#include <zkdSkylightMaterial.h>
#include <zkdSubsurfaceScattering.h>
#include <zkdWovenClothMaterial.h>

#include <QTest>
#include <QVector2D>
#include <QVector3D>

namespace {

zkdObject subObject(const zkdObject &owner, const char *name)
{
    return zkdObjectManager::fromVariant(owner.property(name));
}

// One edit as the property editor makes it: a multi-command inside a recording undo scope.
bool edit(const zkdObject &object, const QByteArray &name, const QVariant &value)
{
    zkScopedUndo undo(true);
    zkScopedMultiCommand multi;
    return object.setProperty(name.constData(), value);
}

float fresnel(float index)
{
    return ((index - 1) / (index + 1)) * ((index - 1) / (index + 1));
}

// The change notifications of the object service, with the value each changed property had
// when its notice came.
class ChangeLog : public QObject
{
public:
    ChangeLog()
    {
        connect(zkKernelServiceFactory::the().getService<zkObjectService>(), &zkObjectService::propertyChangedBS, this,
                [this](const zkdObject &object, const QByteArray &name) {
                    m_changes.append({object, name, object.property(name.constData())});
                });
    }

    // The values property of object had at its notices, in order.
    QVariantList values(const zkdObject &object, const QByteArray &name) const
    {
        QVariantList result;
        for (const Change &change : m_changes) {
            if (change.object == object && change.name == name)
                result.append(change.value);
        }
        return result;
    }
    QList<QByteArray> names(const zkdObject &object) const
    {
        QList<QByteArray> result;
        for (const Change &change : m_changes) {
            if (change.object == object)
                result.append(change.name);
        }
        return result;
    }
    void clear() { m_changes.clear(); }

private:
    struct Change
    {
        zkdObject object;
        QByteArray name;
        QVariant value;
    };
    QList<Change> m_changes;
};

} // namespace

class tst_zkdMaterialCouplings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void analyticDiffuseColorFollows_data();
    void analyticDiffuseColorFollows();
    void brushedMetalReflectivity_data();
    void brushedMetalReflectivity();
    void glassMediumPreset();
    void glassTypedValuesMakeMediumCustom_data();
    void glassTypedValuesMakeMediumCustom();
    void glassCustomReflectivityIsKept();
    void subsurfaceMedium_data();
    void subsurfaceMedium();
    void wovenClothPreset();
    void filamentYarnHasNoTwist();
    void uniformTriplanarRepeat_data();
    void uniformTriplanarRepeat();
    void linkedTexturesShareMapping();
    void textureJoiningTheLinkTakesOverMapping();
    void cutoutIsSharedByTheMaterial();
    void bumpTextureUsesImageForTextureStructure();
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

    ChangeLog log;
    const QVector3D color(0.1f, 0.2f, 0.3f);
    QVERIFY(edit(material, colorProperty, color));
    QCOMPARE(material.property("analyticDiffuseColor").value<QVector3D>(), color);
    QCOMPARE(log.values(material, "analyticDiffuseColor"), QVariantList{QVariant(color)});
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(material.property(colorProperty), before);
    QCOMPARE(material.property("analyticDiffuseColor"), before);
    stack()->redo();
    QCOMPARE(material.property("analyticDiffuseColor").value<QVector3D>(), color);

    // Other edits leave an analytic colour set by hand alone.
    QVERIFY(edit(material, "analyticDiffuseColor", QVector3D(1, 0, 0)));
    QVERIFY(edit(material, "useRealisticSettings", true));
    QCOMPARE(material.property("analyticDiffuseColor").value<QVector3D>(), QVector3D(1, 0, 0));
}

void tst_zkdMaterialCouplings::brushedMetalReflectivity_data()
{
    QTest::addColumn<int>("metal");
    QTest::addColumn<float>("reflectivity");
    QTest::newRow("silver") << int(zkdBrushedMetalMaterial::Silver) << 0.95f;
    QTest::newRow("gold") << int(zkdBrushedMetalMaterial::Gold) << 0.75f;
    QTest::newRow("iron, the last") << int(zkdBrushedMetalMaterial::Iron) << 0.56f;
}

void tst_zkdMaterialCouplings::brushedMetalReflectivity()
{
    QFETCH(int, metal);
    QFETCH(float, reflectivity);

    const auto material = zkdObjectManager::create<zkdBrushedMetalMaterial>();
    const float custom = material.property("reflectivity").toFloat();
    ChangeLog log;
    QVERIFY(edit(material, "metalType", metal));
    QCOMPARE(material.property("reflectivity").toFloat(), reflectivity);
    QCOMPARE(log.values(material, "reflectivity").size(), 1);
    QCOMPARE(stack()->count(), 1);

    // Back to a custom reflectivity keeps the metal's value, to be edited from there.
    QVERIFY(edit(material, "metalType", int(zkdBrushedMetalMaterial::CustomReflectivity)));
    QCOMPARE(material.property("reflectivity").toFloat(), reflectivity);

    stack()->undo();
    stack()->undo();
    QCOMPARE(material.property("reflectivity").toFloat(), custom);
}

void tst_zkdMaterialCouplings::glassMediumPreset()
{
    const auto glass = zkdObjectManager::create<zkdGlassMaterial>();
    const QVariant index = glass.property("refractionIndex");
    const QVariant abbe = glass.property("abbeNumber");
    const QVariant reflectivity = glass.property("reflectivity");
    QCOMPARE(reflectivity.toFloat(), fresnel(index.toFloat()));

    ChangeLog log;
    QVERIFY(edit(glass, "mediumType", int(zkdGlassMaterial::Diamond)));
    QCOMPARE(glass.property("mediumType").toInt(), int(zkdGlassMaterial::Diamond));
    QCOMPARE(glass.property("refractionIndex").toFloat(), 2.417f);
    QCOMPARE(glass.property("abbeNumber").toFloat(), 55.3f);
    QCOMPARE(glass.property("reflectivity").toFloat(), fresnel(2.417f));
    QCOMPARE(log.values(glass, "refractionIndex").size(), 1);
    QCOMPARE(log.values(glass, "reflectivity").size(), 1);
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(glass.property("mediumType").toInt(), int(zkdGlassMaterial::Custom));
    QCOMPARE(glass.property("refractionIndex"), index);
    QCOMPARE(glass.property("abbeNumber"), abbe);
    QCOMPARE(glass.property("reflectivity"), reflectivity);
}

void tst_zkdMaterialCouplings::glassTypedValuesMakeMediumCustom_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<float>("value");
    QTest::newRow("refraction index") << QByteArray("refractionIndex") << 1.7f;
    QTest::newRow("Abbe number") << QByteArray("abbeNumber") << 40.0f;
}

void tst_zkdMaterialCouplings::glassTypedValuesMakeMediumCustom()
{
    QFETCH(QByteArray, property);
    QFETCH(float, value);

    const auto glass = zkdObjectManager::create<zkdGlassMaterial>();
    QVERIFY(edit(glass, "mediumType", int(zkdGlassMaterial::AcrylicGlass)));
    QVERIFY(edit(glass, property, value));
    QCOMPARE(glass.property("mediumType").toInt(), int(zkdGlassMaterial::Custom));
    QCOMPARE(glass.property(property).toFloat(), value);
    QCOMPARE(glass.property("reflectivity").toFloat(), fresnel(glass.property("refractionIndex").toFloat()));

    stack()->undo();
    QCOMPARE(glass.property("mediumType").toInt(), int(zkdGlassMaterial::AcrylicGlass));
}

void tst_zkdMaterialCouplings::glassCustomReflectivityIsKept()
{
    const auto glass = zkdObjectManager::create<zkdGlassMaterial>();
    QVERIFY(edit(glass, "useCustomReflectivity", true));
    QVERIFY(edit(glass, "reflectivity", 0.3f));
    QVERIFY(edit(glass, "refractionIndex", 2.0f));
    QCOMPARE(glass.property("reflectivity").toFloat(), 0.3f);

    QVERIFY(edit(glass, "useCustomReflectivity", false));
    QCOMPARE(glass.property("reflectivity").toFloat(), fresnel(2.0f));
}

void tst_zkdMaterialCouplings::subsurfaceMedium_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::newRow("zkdSubsurfaceScattering") << QByteArray("zkdSubsurfaceScattering");
    QTest::newRow("zkdUVSubsurfaceScattering") << QByteArray("zkdUVSubsurfaceScattering");
}

void tst_zkdMaterialCouplings::subsurfaceMedium()
{
    QFETCH(QByteArray, className);

    const zkdObject scattering = zkdObjectManager::create(className);
    const QVariant index = scattering.property("refractionIndex");
    QVERIFY(edit(scattering, "mediaType", int(zkdSubsurfaceScattering::Water19C)));
    QCOMPARE(scattering.property("refractionIndex").toFloat(), 1.3331f);
    QVERIFY(edit(scattering, "mediaType", int(zkdSubsurfaceScattering::Water24C)));
    QCOMPARE(scattering.property("refractionIndex").toFloat(), 1.3326f);
    QCOMPARE(scattering.property("mediaType").toInt(), int(zkdSubsurfaceScattering::Water24C));

    QVERIFY(edit(scattering, "refractionIndex", 1.4f));
    QCOMPARE(scattering.property("mediaType").toInt(), int(zkdSubsurfaceScattering::CustomMedium));

    stack()->undo();
    QCOMPARE(scattering.property("mediaType").toInt(), int(zkdSubsurfaceScattering::Water24C));
    QCOMPARE(scattering.property("refractionIndex").toFloat(), 1.3326f);
    stack()->undo();
    stack()->undo();
    QCOMPARE(scattering.property("refractionIndex"), index);
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

    ChangeLog log;
    QVERIFY(edit(cloth, "presetChoice", int(zkdWovenClothMaterial::Jeans)));
    QCOMPARE(cloth.property("weaveType").toInt(), int(zkdWovenClothMaterial::DenimPattern));
    QCOMPARE(cloth.property("yarnType").toInt(), int(zkdWovenClothMaterial::Staple));
    QCOMPARE(cloth.property("yarnTwistAngle").toFloat(), 30.0f);
    const QVector3D denim(0.12f, 0.2f, 0.38f);
    QCOMPARE(cloth.property("diffuseColor").value<QVector3D>(), denim);
    QCOMPARE(cloth.property("analyticDiffuseColor").value<QVector3D>(), denim);
    // Every value the preset changed was announced.
    const QList<QByteArray> notified = log.names(cloth);
    for (int i = 0; i < presetProperties.size(); ++i) {
        const QByteArray &name = presetProperties.at(i);
        QCOMPARE(notified.contains(name), cloth.property(name) != before.at(i));
    }
    QVERIFY(notified.contains("weaveType"));
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    for (int i = 0; i < presetProperties.size(); ++i)
        QCOMPARE(cloth.property(presetProperties.at(i)), before.at(i));
    QCOMPARE(cloth.property("analyticDiffuseColor"), before.first());
    QCOMPARE(cloth.property("presetChoice").toInt(), int(zkdWovenClothMaterial::Custom));
}

void tst_zkdMaterialCouplings::filamentYarnHasNoTwist()
{
    const auto cloth = zkdObjectManager::create<zkdWovenClothMaterial>();
    QVERIFY(edit(cloth, "yarnTwistAngle", 30.0f));
    QVERIFY(edit(cloth, "yarnType", int(zkdWovenClothMaterial::Filament)));
    QCOMPARE(cloth.property("yarnTwistAngle").toFloat(), 90.0f);
    stack()->undo();
    QCOMPARE(cloth.property("yarnTwistAngle").toFloat(), 30.0f);
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
    QVERIFY(edit(texture, "triplanarXRepeat", x));
    QCOMPARE(texture.property("triplanarYRepeat").value<QVector2D>(), QVector2D(1, 1));

    QVERIFY(edit(texture, "uniformRepeat", true));
    QCOMPARE(texture.property("triplanarYRepeat").value<QVector2D>(), x);
    QCOMPARE(texture.property("triplanarZRepeat").value<QVector2D>(), x);

    ChangeLog log;
    const QVector2D z(5, 5);
    QVERIFY(edit(texture, "triplanarZRepeat", z));
    QCOMPARE(texture.property("triplanarXRepeat").value<QVector2D>(), z);
    QCOMPARE(texture.property("triplanarYRepeat").value<QVector2D>(), z);
    QCOMPARE(log.values(texture, "triplanarXRepeat"), QVariantList{QVariant(z)});

    stack()->undo();
    for (const char *name : {"triplanarXRepeat", "triplanarYRepeat", "triplanarZRepeat"})
        QCOMPARE(texture.property(name).value<QVector2D>(), x);
}

void tst_zkdMaterialCouplings::linkedTexturesShareMapping()
{
    const auto plastic = zkdObjectManager::create<zkdPlasticMaterial>();
    const zkdObject diffuse = subObject(plastic, "diffuseTexture");
    const zkdObject bump = subObject(plastic, "bumpTexture");
    const zkdObject glossy = subObject(plastic, "glossyTexture");
    // Textures of components belong to the material too.
    const zkdObject transparency = subObject(subObject(plastic, "transparency"), "texture");
    for (const zkdObject &texture : {diffuse, bump, transparency})
        QVERIFY(texture.setProperty("linkTextureSettings", true));
    const auto other = zkdObjectManager::create<zkdPlasticMaterial>();
    const zkdObject otherDiffuse = subObject(other, "diffuseTexture");
    QVERIFY(otherDiffuse.setProperty("linkTextureSettings", true));

    ChangeLog log;
    const QVector2D repeat(3, 4);
    QVERIFY(edit(diffuse, "repeat", repeat));
    QCOMPARE(bump.property("repeat").value<QVector2D>(), repeat);
    QCOMPARE(transparency.property("repeat").value<QVector2D>(), repeat);
    QCOMPARE(glossy.property("repeat").value<QVector2D>(), QVector2D(1, 1));
    QCOMPARE(otherDiffuse.property("repeat").value<QVector2D>(), QVector2D(1, 1));
    QCOMPARE(log.values(bump, "repeat"), QVariantList{QVariant(repeat)});

    QVERIFY(edit(bump, "repeatModeV", int(zkTextureTypes::Clamp)));
    QCOMPARE(diffuse.property("repeatModeV").toInt(), int(zkTextureTypes::Clamp));
    // What the texture shows is its own.
    QVERIFY(edit(diffuse, "useTexture", true));
    QVERIFY(!bump.property("useTexture").toBool());

    QCOMPARE(stack()->count(), 3);
    stack()->undo();
    stack()->undo();
    QCOMPARE(diffuse.property("repeatModeV").toInt(), int(zkTextureTypes::Repeat));
    stack()->undo();
    for (const zkdObject &texture : {diffuse, bump, transparency})
        QCOMPARE(texture.property("repeat").value<QVector2D>(), QVector2D(1, 1));
}

void tst_zkdMaterialCouplings::textureJoiningTheLinkTakesOverMapping()
{
    const auto plastic = zkdObjectManager::create<zkdPlasticMaterial>();
    const zkdObject diffuse = subObject(plastic, "diffuseTexture");
    const zkdObject glossy = subObject(plastic, "glossyTexture");
    QVERIFY(diffuse.setProperty("linkTextureSettings", true));
    QVERIFY(diffuse.setProperty("rotate", 45.0f));
    QVERIFY(diffuse.setProperty("offset", QVector2D(0.5f, 0.5f)));

    QVERIFY(edit(glossy, "linkTextureSettings", true));
    QCOMPARE(glossy.property("rotate").toFloat(), 45.0f);
    QCOMPARE(glossy.property("offset").value<QVector2D>(), QVector2D(0.5f, 0.5f));
    QCOMPARE(diffuse.property("rotate").toFloat(), 45.0f);

    stack()->undo();
    QVERIFY(!glossy.property("linkTextureSettings").toBool());
    QCOMPARE(glossy.property("rotate").toFloat(), 0.0f);
}

void tst_zkdMaterialCouplings::cutoutIsSharedByTheMaterial()
{
    const auto plastic = zkdObjectManager::create<zkdPlasticMaterial>();
    const zkdObject diffuse = subObject(plastic, "diffuseTexture");
    const zkdObject transparency = subObject(subObject(plastic, "transparency"), "texture");

    ChangeLog log;
    QVERIFY(edit(transparency, "useCutout", true));
    QVERIFY(diffuse.property("useCutout").toBool());
    QCOMPARE(log.values(diffuse, "useCutout"), QVariantList{true});
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QVERIFY(!diffuse.property("useCutout").toBool());
    QVERIFY(!transparency.property("useCutout").toBool());
}

void tst_zkdMaterialCouplings::bumpTextureUsesImageForTextureStructure()
{
    const auto bump = zkdObjectManager::create<zkdBumpTexture>();
    QVERIFY(edit(bump, "surfaceStructure", int(zkdBumpTexture::Texture)));
    QVERIFY(bump.property("useTexture").toBool());
    QVERIFY(edit(bump, "surfaceStructure", int(zkdBumpTexture::Procedural)));
    QVERIFY(!bump.property("useTexture").toBool());
    stack()->undo();
    QVERIFY(bump.property("useTexture").toBool());
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

void tst_zkdMaterialCouplings::commandsFallBack()
{
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, subObjectName);
    QFETCH(QByteArray, command);

    const zkdObject owner = zkdObjectManager::create(className);
    const zkdObject object = subObjectName.isEmpty() ? owner : subObject(owner, subObjectName.constData());
    const QList<zkQRPCMetaProperty> properties =
            zkKernelServiceFactory::the().getService<zkObjectService>()->getMetaProperties(object);
    const auto row = std::find_if(properties.begin(), properties.end(),
                                  [&](const zkQRPCMetaProperty &p) { return p.name == command; });
    QVERIFY(row != properties.end());
    QVERIFY(row->isNoCache());
    QVERIFY(row->isWritable());

    ChangeLog log;
    for (int press = 0; press < 2; ++press) {
        QVERIFY(edit(object, command, true));
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
    ChangeLog log;
    QVERIFY(material.setProperty("measurement", QStringLiteral("/samples/leather.axf")));
    QCOMPARE(log.values(material, "measurement").size(), 1);
}

void tst_zkdMaterialCouplings::skylightLocation()
{
    const auto sky = zkdObjectManager::create<zkdSkylightMaterial>();
    const zkdObject location = subObject(sky, "location");
    const QString city = location.property("closestCity").toString();
    const float timeZone = location.property("timeZone").toFloat();

    ChangeLog log;
    {
        zkScopedUndo undo(true);
        zkScopedMultiCommand multi;
        QVERIFY(location.setProperty("longitude", 139.7f));
        QVERIFY(location.setProperty("latitude", 35.7f));
    }
    QCOMPARE(location.property("closestCity").toString(), QStringLiteral("Tokyo"));
    QCOMPARE(log.values(location, "closestCity").last().toString(), QStringLiteral("Tokyo"));

    QVERIFY(edit(location, "useDaylightSavingTime", true));
    QCOMPARE(location.property("timeZone").toFloat(), timeZone + 1);
    QVERIFY(edit(location, "useDaylightSavingTime", false));
    QCOMPARE(location.property("timeZone").toFloat(), timeZone);

    stack()->undo();
    stack()->undo();
    stack()->undo();
    QCOMPARE(location.property("closestCity").toString(), city);
}

QTEST_GUILESS_MAIN(tst_zkdMaterialCouplings)
#include "tst_zkdMaterialCouplings.moc"
