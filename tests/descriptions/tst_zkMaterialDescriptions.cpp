#include "zkRuleExpectations.h"

#include <zkGroupControl.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdBrushedMetalMaterial.h>
#include <zkdClearcoat.h>
#include <zkdGlassMaterial.h>
#include <zkdMetallicPaintMaterial.h>
#include <zkdObjectManager.h>
#include <zkdOCSClearcoat.h>
#include <zkdRoundedEdges.h>
#include <zkdSubsurfaceScattering.h>
#include <zkdUVSubsurfaceScattering.h>

#include <QSignalBlocker>
#include <QTest>
#include <QVector3D>

class tst_zkMaterialDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zkUndoStack::instance()->clear(); }
    void visibilityRules_data();
    void visibilityRules();
    void unknownPaintTypeChangesNothing();
    void lightingSwitchesReadEachOther();
    void refreshRules_data();
    void refreshRules();
};

void tst_zkMaterialDescriptions::visibilityRules_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<Expectations>("expected");

    using Metal = zkdBrushedMetalMaterial;
    using Paint = zkdMetallicPaintMaterial;
    const auto v = [](auto value) { return QVariant::fromValue(value); };

    QTest::newRow("glass dispersion on") << QByteArray("zkdGlassMaterial") << 1 << QByteArray("useDispersion")
                                         << v(false) << v(true)
                                         << Expectations{shown("dispersionInputType"), shown("abbeNumber"),
                                                         disabled("reflectivity"), enabled("refractionIndex")};
    QTest::newRow("glass dispersion off, two selected")
        << QByteArray("zkdGlassMaterial") << 2 << QByteArray("useDispersion") << v(true) << v(false)
        << Expectations{hidden("dispersionInputType"), hidden("abbeNumber"), enabled("reflectivity"),
                        shown("reflectivity")};

    // The rule is the reflectance-function base's, so every kind of it follows.
    QTest::newRow("brdf realistic") << QByteArray("zkdBRDFMaterial") << 1 << QByteArray("useRealisticSettings")
                                    << v(false) << v(true)
                                    << Expectations{disabled("analyticDiffuseColor"), enabled("useRealisticSettings")};
    QTest::newRow("glass analytic, two selected")
        << QByteArray("zkdGlassMaterial") << 2 << QByteArray("useRealisticSettings") << v(true) << v(false)
        << Expectations{enabled("analyticDiffuseColor")};
    QTest::newRow("chrome realistic") << QByteArray("zkdChromeMaterial") << 1 << QByteArray("useRealisticSettings")
                                      << v(false) << v(true) << Expectations{disabled("analyticDiffuseColor")};

    QTest::newRow("brushed metal gold")
        << QByteArray("zkdBrushedMetalMaterial") << 1 << QByteArray("metalType") << v(Metal::CustomReflectivity)
        << v(Metal::Gold)
        << Expectations{disabled("reflectivity"), groupHidden("Diffuse Texture"), groupShown("Glossy Texture"),
                        enabled("roughnessU")};
    QTest::newRow("brushed metal custom, two selected")
        << QByteArray("zkdBrushedMetalMaterial") << 2 << QByteArray("metalType") << v(Metal::Iron)
        << v(Metal::CustomReflectivity) << Expectations{enabled("reflectivity"), groupShown("Diffuse Texture")};
    QTest::newRow("brushed metal last metal") << QByteArray("zkdBrushedMetalMaterial") << 1
                                              << QByteArray("metalType") << v(Metal::CustomReflectivity)
                                              << v(Metal::Iron)
                                              << Expectations{disabled("reflectivity"), groupHidden("Diffuse Texture")};

    const QByteArrayList pigmentRows{"primaryFlakeLayer/pigmentColor", "primaryFlakeLayer/pigmentConcentration",
                                     "primaryFlakeLayer/flakeDensity"};
    const auto pigment = [&pigmentRows](bool on) {
        Expectations expectations{shown("primaryFlakeLayer/flakeColor"), shown("secondaryFlakeLayer/pigmentColor")};
        for (const QByteArray &row : pigmentRows)
            expectations.append(shown(row, on));
        return expectations;
    };
    QTest::newRow("paint artistic") << QByteArray("zkdMetallicPaintMaterial") << 1 << QByteArray("paintType")
                                    << v(Paint::ThreeCoat) << v(Paint::Artistic)
                                    << Expectations{groupHidden("Secondary Flake Layer"),
                                                    groupShown("Primary Flake Layer")} + pigment(false);
    QTest::newRow("paint 2-coat, two selected")
        << QByteArray("zkdMetallicPaintMaterial") << 2 << QByteArray("paintType") << v(Paint::Artistic)
        << v(Paint::TwoCoat) << Expectations{groupHidden("Secondary Flake Layer")} + pigment(true);
    QTest::newRow("paint 3-coat") << QByteArray("zkdMetallicPaintMaterial") << 1 << QByteArray("paintType")
                                  << v(Paint::Artistic) << v(Paint::ThreeCoat)
                                  << Expectations{groupShown("Secondary Flake Layer")} + pigment(true);
    QTest::newRow("paint 3-coat from 2-coat, two selected")
        << QByteArray("zkdMetallicPaintMaterial") << 2 << QByteArray("paintType") << v(Paint::TwoCoat)
        << v(Paint::ThreeCoat) << Expectations{groupShown("Secondary Flake Layer")} + pigment(true);

    // The components' own rules, on the component alone and nested in a material's editor.
    const QList<QPair<QByteArray, QByteArrayList>> overrides{
        {"overrideIllumination", {"interactiveIlluminationMode", "stillFrameIlluminationMode"}},
        {"overrideIblSampling", {"interactiveIblSamplingQuality", "stillFrameIblSamplingQuality"}},
        {"overrideReflectionSampling",
         {"interactiveReflectionSamplingQuality", "stillFrameReflectionSamplingQuality"}},
        {"overrideTraceDepth", {"interactiveTraceDepth", "stillFrameTraceDepth"}},
    };
    for (const auto &override : overrides) {
        for (const bool on : {true, false}) {
            Expectations expectations{enabled(override.first)};
            Expectations nested;
            for (const QByteArray &row : override.second) {
                expectations.append(enabled(row, on));
                nested.append(enabled("raytracing/" + row, on));
            }
            QTest::addRow("raytracing %s %s", override.first.constData(), on ? "on" : "off")
                << QByteArray("zkdRaytracing") << 1 << override.first << v(!on) << v(on) << expectations;
            QTest::addRow("glass raytracing %s %s, two selected", override.first.constData(), on ? "on" : "off")
                << QByteArray("zkdGlassMaterial") << 2 << "raytracing/" + override.first << v(!on) << v(on)
                << nested;
        }
    }

    using Edges = zkdRoundedEdges;
    QTest::newRow("rounded edges by group") << QByteArray("zkdRoundedEdges") << 1 << QByteArray("mode")
                                            << v(Edges::Off) << v(Edges::SameGroup)
                                            << Expectations{enabled("groupId"), enabled("radius")};
    QTest::newRow("rounded edges by material, two selected")
        << QByteArray("zkdRoundedEdges") << 2 << QByteArray("mode") << v(Edges::SameGroup) << v(Edges::SameMaterial)
        << Expectations{disabled("groupId")};

    const QByteArrayList lightingRows{"illuminateShadowMaterial", "castShadowOnShadowMaterial", "shadowIntensity",
                                      "groundShadowIntensity", "importanceMultiplier", "interactiveAreaLightQuality",
                                      "areaLightQuality"};
    const auto lighting = [&lightingRows](bool on) {
        Expectations expectations;
        for (const QByteArray &row : lightingRows)
            expectations.append(enabled(row, on));
        return expectations;
    };
    for (const char *type : {"zkdIncandescence", "zkdUVIncandescence"}) {
        QTest::addRow("%s ray lights", type)
            << QByteArray(type) << 1 << QByteArray("directRaylightEvaluation") << v(false) << v(true) << lighting(true);
        QTest::addRow("%s light source, two selected", type)
            << QByteArray(type) << 2 << QByteArray("useAsLightSource") << v(false) << v(true) << lighting(true);
        QTest::addRow("%s no light", type)
            << QByteArray(type) << 1 << QByteArray("useAsLightSource") << v(true) << v(false) << lighting(false);
    }

    // The plain and the UV variant each carry their own enumeration type.
    const auto mode = [](const QByteArray &type, int value) {
        return type.startsWith("zkdUV") ? QVariant::fromValue(zkdUVSubsurfaceScattering::Mode(value))
                                        : QVariant::fromValue(zkdSubsurfaceScattering::Mode(value));
    };
    const QByteArrayList volumeRows{"attenuation", "asymmetry", "mediaType", "refractionIndex"};
    const auto scattering = [&volumeRows](bool roughness, bool volume) {
        Expectations expectations{shown("roughness", roughness), shown("color")};
        for (const QByteArray &row : volumeRows)
            expectations.append(shown(row, volume));
        return expectations;
    };
    for (const QByteArray type : {"zkdSubsurfaceScattering", "zkdUVSubsurfaceScattering"}) {
        QTest::addRow("%s none", type.constData())
            << type << 1 << QByteArray("mode") << mode(type, 2) << mode(type, 0) << scattering(false, false);
        QTest::addRow("%s thin walled, two selected", type.constData())
            << type << 2 << QByteArray("mode") << mode(type, 0) << mode(type, 1) << scattering(true, false);
        QTest::addRow("%s volume", type.constData())
            << type << 1 << QByteArray("mode") << mode(type, 1) << mode(type, 2) << scattering(false, true);
    }

    using Clearcoat = zkdClearcoat;
    QTest::newRow("clearcoat off") << QByteArray("zkdClearcoat") << 1 << QByteArray("type") << v(Clearcoat::Fast)
                                   << v(Clearcoat::Off) << Expectations{hidden("color"), hidden("reflectivity")};
    QTest::newRow("clearcoat accurate, two selected")
        << QByteArray("zkdClearcoat") << 2 << QByteArray("type") << v(Clearcoat::Off) << v(Clearcoat::Accurate)
        << Expectations{shown("color"), shown("reflectivity")};
    for (const char *type : {"zkdPaintClearcoat", "zkdUnicolorPaintClearcoat", "zkdMetallicPaintClearcoat"}) {
        QTest::addRow("%s orange peel", type)
            << QByteArray(type) << 1 << QByteArray("useOrangePeel") << v(false) << v(true)
            << Expectations{enabled("orangePeelFrequency"), enabled("orangePeelIntensity")};
        QTest::addRow("%s smooth, two selected", type)
            << QByteArray(type) << 2 << QByteArray("useOrangePeel") << v(true) << v(false)
            << Expectations{disabled("orangePeelFrequency"), disabled("orangePeelIntensity")};
    }

    using OCS = zkdOCSClearcoat;
    const QList<QPair<OCS::FresnelQuality, QPair<bool, bool>>> qualities{
        {OCS::Off, {false, false}},
        {OCS::Fast, {true, false}},
        {OCS::Accurate, {true, false}},
        {OCS::UseFresnelIOR, {false, true}},
    };
    for (const auto &quality : qualities) {
        const OCS::FresnelQuality from = quality.first == OCS::UseFresnelIOR ? OCS::Off : OCS::UseFresnelIOR;
        QTest::addRow("ocs clearcoat fresnel %d", int(quality.first))
            << QByteArray("zkdOCSClearcoat") << 2 << QByteArray("fresnelQuality") << v(from) << v(quality.first)
            << Expectations{shown("reflectivity", quality.second.first), shown("fresnelIOR", quality.second.second)};
    }

    QTest::newRow("flake layer flip flop") << QByteArray("zkdFlakeLayer") << 1 << QByteArray("useFlipFlop")
                                           << v(false) << v(true)
                                           << Expectations{shown("flipFlopFlakeColor"), shown("flipFlopBlending"),
                                                           shown("flakeColor")};
    QTest::newRow("paint flake layer without flip flop, two selected")
        << QByteArray("zkdMetallicPaintMaterial") << 2 << QByteArray("primaryFlakeLayer/useFlipFlop") << v(true)
        << v(false)
        << Expectations{hidden("primaryFlakeLayer/flipFlopFlakeColor"), hidden("primaryFlakeLayer/flipFlopBlending"),
                        hidden("secondaryFlakeLayer/flipFlopFlakeColor")};
}

// The rules hold after an edit of every selected material, and in an editor built over materials
// that already hold the value.
void tst_zkMaterialDescriptions::visibilityRules()
{
    QFETCH(QByteArray, type);
    QFETCH(int, selected);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, before);
    QFETCH(QVariant, after);
    QFETCH(Expectations, expected);

    const QString failures = ruleFailures(type, selected, property, before, after, expected);
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}

// A paint type the rule does not know leaves the rows as the last known type put them.
void tst_zkMaterialDescriptions::unknownPaintTypeChangesNothing()
{
    using Paint = zkdMetallicPaintMaterial;
    const QList<zkdObject> paints = createObjects("zkdMetallicPaintMaterial", 1, "paintType",
                                                    QVariant::fromValue(Paint::Artistic));
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(paints));
    const Expectations artistic{groupHidden("Secondary Flake Layer"), hidden("primaryFlakeLayer/pigmentColor"),
                                hidden("primaryFlakeLayer/flakeDensity")};
    QVERIFY2(unmet(editor, artistic).isEmpty(), qPrintable(unmet(editor, artistic)));

    editor.setProperty("paintType", QVariant::fromValue(static_cast<Paint::PaintType>(7)));
    QCOMPARE(paints.first().property("paintType").toInt(), 7);
    QVERIFY2(unmet(editor, artistic).isEmpty(), qPrintable(unmet(editor, artistic)));
}

// Turning one of the two lighting switches off keeps the lighting rows while the other is on.
void tst_zkMaterialDescriptions::lightingSwitchesReadEachOther()
{
    const QList<zkdObject> surfaces = createObjects("zkdIncandescence", 2, "useAsLightSource", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(surfaces));
    editor.setProperty("directRaylightEvaluation", true);
    editor.setProperty("directRaylightEvaluation", false);
    QVERIFY(editor.getControlLayoutWidget("shadowIntensity")->isEnabled());

    editor.setProperty("useAsLightSource", false);
    QVERIFY(!editor.getControlLayoutWidget("shadowIntensity")->isEnabled());
    editor.setProperty("directRaylightEvaluation", true);
    QVERIFY(editor.getControlLayoutWidget("areaLightQuality")->isEnabled());
}

void tst_zkMaterialDescriptions::refreshRules_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("watched");
    QTest::addColumn<QByteArray>("refreshed");
    QTest::addColumn<QVariant>("value");

    using Glass = zkdGlassMaterial;
    const QVariant colour = QVariant::fromValue(QVector3D(0.25f, 0.5f, 0.75f));

    // The colour rows every kind with diffuse and glossy colours shares.
    for (const char *type : {"zkdBrushedMetalMaterial", "zkdCarbonMaterial", "zkdCarbon2DMaterial"})
        QTest::addRow("%s diffuse colour", type) << QByteArray(type) << QByteArray("diffuseColor")
                                                 << QByteArray("analyticDiffuseColor") << colour;
    QTest::newRow("brdf realistic") << QByteArray("zkdBRDFMaterial") << QByteArray("useRealisticSettings")
                                    << QByteArray("analyticDiffuseColor") << colour;
    QTest::newRow("brushed metal type") << QByteArray("zkdBrushedMetalMaterial") << QByteArray("metalType")
                                        << QByteArray("reflectivity") << QVariant(0.375f);
    QTest::newRow("chrome roughness switch") << QByteArray("zkdChromeMaterial") << QByteArray("useRoughness")
                                             << QByteArray("roughness") << QVariant(0.375f);
    QTest::newRow("line chrome roughness switch") << QByteArray("zkdLineChromeMaterial") << QByteArray("useRoughness")
                                                  << QByteArray("roughness") << QVariant(0.375f);
    QTest::newRow("glass exterior colour") << QByteArray("zkdGlassMaterial") << QByteArray("exteriorColor")
                                           << QByteArray("analyticDiffuseColor") << colour;
    QTest::newRow("glass medium") << QByteArray("zkdGlassMaterial") << QByteArray("mediumType")
                                  << QByteArray("refractionIndex") << QVariant(2.0f);
    QTest::newRow("glass index to medium") << QByteArray("zkdGlassMaterial") << QByteArray("refractionIndex")
                                           << QByteArray("mediumType") << QVariant::fromValue(Glass::Polysilicon);
    QTest::newRow("glass index to reflectivity") << QByteArray("zkdGlassMaterial") << QByteArray("refractionIndex")
                                                 << QByteArray("reflectivity") << QVariant(0.375f);
    QTest::newRow("glass abbe number") << QByteArray("zkdGlassMaterial") << QByteArray("abbeNumber")
                                       << QByteArray("mediumType") << QVariant::fromValue(Glass::Diamond);
    QTest::newRow("scattering medium") << QByteArray("zkdSubsurfaceScattering") << QByteArray("mediaType")
                                       << QByteArray("refractionIndex") << QVariant(2.0f);
    QTest::newRow("scattering index to medium")
        << QByteArray("zkdUVSubsurfaceScattering") << QByteArray("refractionIndex") << QByteArray("mediaType")
        << QVariant::fromValue(zkdUVSubsurfaceScattering::Diamond);
    QTest::newRow("glass reflectivity switch") << QByteArray("zkdGlassMaterial")
                                               << QByteArray("useCustomReflectivity") << QByteArray("reflectivity")
                                               << QVariant(0.375f);
}

// A value the kernel changed without a notice reaches the rows of every selected material once
// the watched property's rule has run.
void tst_zkMaterialDescriptions::refreshRules()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, watched);
    QFETCH(QByteArray, refreshed);
    QFETCH(QVariant, value);

    const QList<zkdObject> materials{zkdObjectManager::create(type), zkdObjectManager::create(type)};
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(materials));
    const QVariant shownBefore = editor.getProperty(refreshed);
    QVERIFY(shownBefore.isValid());
    QVERIFY(shownBefore != value);
    {
        const QSignalBlocker silent(zkdObjectManager::instance());
        for (const zkdObject &material : materials)
            QVERIFY(material.setProperty(refreshed.constData(), value));
    }
    // Without a notice the editor still shows what it read.
    QCOMPARE(editor.getProperty(refreshed), shownBefore);

    zkPropertyEditorFactory::updateChangedProperties(&editor, editor.getInheritanceHierarchy(), watched);
    for (const zkPropertyEditorObjectWrapper *wrapper : editor.getCurrentObjects())
        QCOMPARE(wrapper->getProperty(refreshed), value);
}

QTEST_MAIN(tst_zkMaterialDescriptions)
#include "tst_zkMaterialDescriptions.moc"
