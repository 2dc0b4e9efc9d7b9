#include "zkRuleExpectations.h"

#include <QZKComboBox.h>
#include <zkBaseControl.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkControlOptionRecords.h>
#include <zkLightTypes.h>
#include <zkUndoStack.h>
#include <zkZkdLightProfileControl.h>

#include <QCheckBox>
#include <QLayout>
#include <QStringList>
#include <QTest>

namespace {

QStringList unitItems(const zkPropertyEditorWidget &editor)
{
    QStringList items;
    if (const auto *box = qobject_cast<const zkComboBoxControl *>(editor.getControl("lightUnit"))) {
        const QComboBox *comboBox = box->getComboBox();
        for (int i = 0; i < comboBox->count(); ++i)
            items.append(comboBox->itemText(i));
    }
    return items;
}

const QString flux = QStringLiteral("Luminous Flux [lm]");
const QString intensity = QStringLiteral("Luminous Intensity [cd]");
const QString emittance = QStringLiteral("Luminous Emittance [lm/m²]");
const QString luminance = QStringLiteral("Luminance [cd/m²]");

} // namespace

class tst_zkLightDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zkUndoStack::instance()->clear(); }
    void rules_data();
    void rules();
    void units_data();
    void units();
    void profileSwitchRestoresUnits();
    void physicalModeRelabels_data();
    void physicalModeRelabels();
    void composition_data();
    void composition();
    void coneFollowsInteractiveQuality();
};

void tst_zkLightDescriptions::rules_data()
{
    addRuleColumns();

    const QVariant on(true);
    const QVariant off(false);
    const QVariantMap none;
    const QVariantMap physical{{"isPhysicallyBased", true}};

    QTest::newRow("area physical") << QByteArray("zkdAreaLightNode") << 1 << QByteArray("isPhysicallyBased") << off
                                   << on
                                   << Expectations{hidden("isPhysicallyBased"), shown("lightUnit"),
                                                   shown("diffuseColor"), hidden("glossyColor"), hidden("temperature")}
                                   << none;
    QTest::newRow("disk not physical, two selected")
        << QByteArray("zkdDiskLightNode") << 2 << QByteArray("isPhysicallyBased") << on << off
        << Expectations{hidden("isPhysicallyBased"), hidden("lightUnit"), shown("diffuseColor"), shown("glossyColor")}
        << none;
    QTest::newRow("ray physical") << QByteArray("zkdRayLightNode") << 1 << QByteArray("isPhysicallyBased") << off
                                  << on << Expectations{shown("lightUnit"), hidden("glossyColor")} << none;
    QTest::newRow("temperature") << QByteArray("zkdPointLightNode") << 1 << QByteArray("useLightTemperature") << off
                                 << on
                                 << Expectations{hidden("diffuseColor"), hidden("glossyColor"), shown("temperature"),
                                                 hidden("lightUnit")}
                                 << none;
    QTest::newRow("colour, physical, two selected")
        << QByteArray("zkdDirectionalLightNode") << 2 << QByteArray("useLightTemperature") << on << off
        << Expectations{shown("diffuseColor"), hidden("glossyColor"), hidden("temperature"), shown("lightUnit")}
        << physical;

    // Physical lights fall off as light does.
    QTest::newRow("point attenuation, physical")
        << QByteArray("zkdPointLightNode") << 1 << QByteArray("isPhysicallyBased") << off << on
        << Expectations{hidden("attenuation")} << none;
    QTest::newRow("spot attenuation, not physical, two selected")
        << QByteArray("zkdSpotLightNode") << 2 << QByteArray("isPhysicallyBased") << on << off
        << Expectations{shown("attenuation"), shown("coneAngle")} << none;

    const QByteArrayList headLightRows{"name", "localLight", "illuminateScene", "materialShadowIntensity",
                                       "groundShadowIntensity", "importanceMultiplier", "castShadowOnShadowMaterial",
                                       "illuminateShadowMaterial", "shadowMap"};
    const auto headLight = [&headLightRows](bool on) {
        Expectations expectations{hidden("isHeadLight"), shown("intensity"), shown("diffuseColor"),
                                  groupShown("Light Visualization", !on), groupShown("Transform", !on)};
        for (const QByteArray &row : headLightRows)
            expectations.append(shown(row, !on));
        return expectations;
    };
    QTest::newRow("head light") << QByteArray("zkdDirectionalLightNode") << 1 << QByteArray("isHeadLight") << off
                                << on << headLight(true) << none;
    QTest::newRow("sun, two selected") << QByteArray("zkdDirectionalLightNode") << 2 << QByteArray("isHeadLight")
                                       << on << off << headLight(false) << none;

    QTest::newRow("cone angles") << QByteArray("zkdDiskLightNode") << 1 << QByteArray("areaLightCone/useConeAngle")
                                 << off << on
                                 << Expectations{shown("areaLightCone/coneAngle"), shown("areaLightCone/penumbraAngle")}
                                 << none;
    QTest::newRow("no cone angles, two selected")
        << QByteArray("zkdRectangularLightNode") << 2 << QByteArray("areaLightCone/useConeAngle") << on << off
        << Expectations{hidden("areaLightCone/coneAngle"), hidden("areaLightCone/penumbraAngle"),
                        shown("areaLightCone/useConeAngle")}
        << none;

    const QByteArrayList placement{"texture/repeatModeU", "texture/repeat", "texture/offset", "texture/rotate",
                                   "texture/useImageSequence"};
    const auto texture = [&placement](bool used, bool sequence) {
        Expectations expectations{shown("texture/useTexture"), shown("texture/image"),
                                  shown("texture/frameOffset", sequence),
                                  shown("texture/inlineImageSequence", sequence)};
        for (const QByteArray &row : placement)
            expectations.append(shown(row, used));
        return expectations;
    };
    const QVariantMap sequence{{"texture/useImageSequence", true}};
    QTest::newRow("texture on") << QByteArray("zkdPointLightNode") << 1 << QByteArray("texture/useTexture") << off
                                << on << texture(true, false) << none;
    QTest::newRow("texture off hides the sequence, two selected")
        << QByteArray("zkdAreaLightNode") << 2 << QByteArray("texture/useTexture") << on << off
        << texture(false, false) << sequence;
    QTest::newRow("texture on with a sequence")
        << QByteArray("zkdSpotLightNode") << 1 << QByteArray("texture/useTexture") << off << on
        << texture(true, true) << sequence;
    QTest::newRow("sequence") << QByteArray("zkdPointLightNode") << 1 << QByteArray("texture/useImageSequence")
                              << off << on << texture(true, true) << QVariantMap{{"texture/useTexture", true}};
    QTest::newRow("sequence of an unused texture")
        << QByteArray("zkdPointLightNode") << 1 << QByteArray("texture/useImageSequence") << off << on
        << texture(false, false) << none;
}

void tst_zkLightDescriptions::rules()
{
    verifyRule();
}

void tst_zkLightDescriptions::units_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("profile");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("area") << QByteArray("zkdAreaLightNode") << false
                          << QStringList{flux, intensity, emittance, luminance};
    QTest::newRow("area with profile") << QByteArray("zkdAreaLightNode") << true << QStringList{flux};
    QTest::newRow("disk") << QByteArray("zkdDiskLightNode") << false
                          << QStringList{flux, intensity, emittance, luminance};
    QTest::newRow("point") << QByteArray("zkdPointLightNode") << false << QStringList{flux, intensity};
    QTest::newRow("point with profile") << QByteArray("zkdPointLightNode") << true << QStringList{flux};
    QTest::newRow("spot") << QByteArray("zkdSpotLightNode") << false << QStringList{flux, intensity};
    QTest::newRow("spot with profile") << QByteArray("zkdSpotLightNode") << true << QStringList{flux};
    QTest::newRow("directional") << QByteArray("zkdDirectionalLightNode") << false << QStringList{luminance};
    QTest::newRow("ray") << QByteArray("zkdRayLightNode") << false << QStringList{flux};
}

// The unit box offers what the light and its profile allow, from the build on and after a
// switch of the physical mode.
void tst_zkLightDescriptions::units()
{
    QFETCH(QByteArray, type);
    QFETCH(bool, profile);
    QFETCH(QStringList, items);

    const QList<zkdObject> lights = createObjects(type, 1, "isPhysicallyBased", true);
    if (profile)
        holder(lights.first(), "lightProfile/x").setProperty("useLightProfile", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(lights));
    QCOMPARE(unitItems(editor), items);

    editor.setProperty("isPhysicallyBased", false);
    editor.setProperty("isPhysicallyBased", true);
    QCOMPARE(unitItems(editor), items);
    // The box still shows the light's unit.
    const auto *box = qobject_cast<const zkComboBoxControl *>(editor.getControl("lightUnit"));
    QVERIFY(box);
    QCOMPARE(box->getComboBox()->currentData().toInt(), lights.first().property("lightUnit").toInt());
}

void tst_zkLightDescriptions::profileSwitchRestoresUnits()
{
    const QList<zkdObject> lights = createObjects("zkdAreaLightNode", 2, "isPhysicallyBased", true);
    for (const zkdObject &light : lights)
        holder(light, "lightProfile/x").setProperty("useLightProfile", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(lights));
    auto *profile = qobject_cast<zkZkdLightProfileControl *>(editor.getControl("lightProfile"));
    QVERIFY(profile);
    QCOMPARE(unitItems(editor), QStringList{flux});

    profile->getUseCheckBox()->click();
    QCOMPARE(unitItems(editor), (QStringList{flux, intensity, emittance, luminance}));
    profile->getUseCheckBox()->click();
    QCOMPARE(unitItems(editor), QStringList{flux});
}

void tst_zkLightDescriptions::physicalModeRelabels_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("physical");
    QTest::addColumn<QString>("intensityLabel");
    QTest::addColumn<QString>("colorLabel");

    QTest::newRow("physical") << QByteArray("zkdSpotLightNode") << true << QStringLiteral("Value")
                              << QStringLiteral("Color");
    QTest::newRow("not physical") << QByteArray("zkdSpotLightNode") << false << QStringLiteral("Intensity")
                                  << QStringLiteral("Diffuse Color");
    QTest::newRow("physical ray light") << QByteArray("zkdRayLightNode") << true << QStringLiteral("Value")
                                        << QStringLiteral("Color");
}

// The labels and the colour's photometric look follow the mode, both ways.
void tst_zkLightDescriptions::physicalModeRelabels()
{
    QFETCH(QByteArray, type);
    QFETCH(bool, physical);
    QFETCH(QString, intensityLabel);
    QFETCH(QString, colorLabel);

    const QList<zkdObject> lights = createObjects(type, 1, "isPhysicallyBased", !physical);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(lights));
    editor.setProperty("isPhysicallyBased", physical);

    const zkBaseControl *value = editor.getControl("intensity");
    const zkBaseControl *color = editor.getControl("diffuseColor");
    QVERIFY(value && color);
    QCOMPARE(value->getLabelName(), intensityLabel);
    QCOMPARE(color->getLabelName(), colorLabel);
    const auto *options = dynamic_cast<const zkColorManipulatorControlOptions *>(color->getOptions());
    QVERIFY(options);
    QCOMPARE(options->photometric, physical);
}

void tst_zkLightDescriptions::composition_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArrayList>("present");
    QTest::addColumn<QByteArrayList>("absent");

    QTest::newRow("area") << QByteArray("zkdAreaLightNode")
                          << QByteArrayList{"texture", "shadowMap", "attenuation", "lightProfile", "primaryVisibility",
                                            "lightTransform"}
                          << QByteArrayList{"visualizationScale", "on", "diffuseSpectrum"};
    QTest::newRow("disk") << QByteArray("zkdDiskLightNode")
                          << QByteArrayList{"areaLightCone", "stillFrameQuality", "texture"}
                          << QByteArrayList{"visualizationScale"};
    QTest::newRow("directional") << QByteArray("zkdDirectionalLightNode")
                                 << QByteArrayList{"shadowMap", "visualizationScale", "isHeadLight"}
                                 << QByteArrayList{"texture", "attenuation", "lightProfile"};
    QTest::newRow("point") << QByteArray("zkdPointLightNode")
                           << QByteArrayList{"texture", "shadowMap", "lightProfile", "visualizationScale"}
                           << QByteArrayList{"lensFlareEffect", "coneAngle"};
    QTest::newRow("spot") << QByteArray("zkdSpotLightNode")
                          << QByteArrayList{"coneAngle", "penumbraAngle", "texture", "lightProfile"}
                          << QByteArrayList{"lensFlareEffect"};
    QTest::newRow("ray") << QByteArray("zkdRayLightNode") << QByteArrayList{"rayFile", "lightUnit", "lightTransform"}
                         << QByteArrayList{"texture", "shadowMap", "visualizationScale", "attenuation"};
}

void tst_zkLightDescriptions::composition()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArrayList, present);
    QFETCH(QByteArrayList, absent);

    const QList<zkdObject> lights = createObjects(type, 1, "on", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(lights));
    for (const QByteArray &row : present)
        QVERIFY2(editor.getControl(row), row.constData());
    for (const QByteArray &row : absent)
        QVERIFY2(!editor.getControl(row), row.constData());
}

// A shaped area light shows its cone in the area light's group, behind the interactive quality.
void tst_zkLightDescriptions::coneFollowsInteractiveQuality()
{
    const QList<zkdObject> lights = createObjects("zkdDiskLightNode", 1, "on", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(lights));
    const zkGroupControl *group = editor.findGroupControl("Area Light");
    QVERIFY(group);
    const QLayout *layout = group->getLayout();
    QVERIFY(layout);
    const int quality = layout->indexOf(editor.getControlLayoutWidget("interactiveQuality"));
    const int cone = layout->indexOf(editor.getControlLayoutWidget("areaLightCone"));
    QVERIFY(quality >= 0);
    QVERIFY(cone > quality);
}

QTEST_MAIN(tst_zkLightDescriptions)

#include "tst_zkLightDescriptions.moc"
