#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>
#include <zkdWovenClothMaterial.h>

#include <QSignalBlocker>
#include <QTest>
#include <QVector3D>

namespace {

using Cloth = zkdWovenClothMaterial;

QList<zkdObject> createObjects(const QByteArray &type, int count)
{
    QList<zkdObject> objects;
    for (int i = 0; i < count; ++i)
        objects.append(zkdObjectManager::create(type));
    return objects;
}

QList<zkPropertyEditorObjectWrapper *> wrap(const QList<zkdObject> &objects)
{
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdObject &object : objects)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(object));
    return wrappers;
}

bool rowEnabled(const zkPropertyEditorWidget &editor, const QByteArray &row)
{
    const QWidget *widget = editor.getControlLayoutWidget(row);
    return widget && widget->isEnabled();
}

} // namespace

class tst_zkFurtherMaterialDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zkUndoStack::instance()->clear(); }
    void rows_data();
    void rows();
    void measurementOpensMeasurementFiles();
    void refreshRules_data();
    void refreshRules();
    void yarnTypeEnablesTwistAngle_data();
    void yarnTypeEnablesTwistAngle();
    void presetReachesEverySelectedCloth();
};

void tst_zkFurtherMaterialDescriptions::rows_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArrayList>("shown");
    QTest::addColumn<QByteArrayList>("absent");

    // No material editor shows the name or the tags, which are edited where materials are listed;
    // the rest are the rows a base type's description or a hidden registration decides.
    QTest::newRow("multi") << QByteArray("zkdMultiMaterial") << QByteArrayList{}
                           << QByteArrayList{"materials", "raytracing"};
    QTest::newRow("switch") << QByteArray("zkdSwitchMaterial") << QByteArrayList{"choice"}
                            << QByteArrayList{"materials"};
    QTest::newRow("measured inherits the switch") << QByteArray("zkdXRiteMeasuredMaterial")
                                                  << QByteArrayList{"choice", "measurement"}
                                                  << QByteArrayList{"materials"};
    QTest::newRow("ocs") << QByteArray("zkdOCSMaterial")
                         << QByteArrayList{"oCSBRDFFilename", "automaticReload", "exposure", "clearcoat"}
                         << QByteArrayList{"raytracing"};
    QTest::newRow("phong") << QByteArray("zkdPhongMaterial") << QByteArrayList{"diffuseColor", "glossyColor"}
                           << QByteArrayList{"diffuseSpectrumColor", "glossySpectrumColor"};
    QTest::newRow("plastic") << QByteArray("zkdPlasticMaterial") << QByteArrayList{"reflectivity", "roughnessTexture"}
                             << QByteArrayList{"diffuseSpectrumColor"};
    QTest::newRow("reflective plastic") << QByteArray("zkdReflectivePlasticMaterial")
                                        << QByteArrayList{"fresnelQuality"} << QByteArrayList{"glossySpectrumColor"};
    QTest::newRow("shadow shows its raytracing") << QByteArray("zkdShadowMaterial")
                                                 << QByteArrayList{"raytracing", "sortKey", "reflectionMode"}
                                                 << QByteArrayList{};
    QTest::newRow("unicolor paint") << QByteArray("zkdUnicolorPaintMaterial")
                                    << QByteArrayList{"baseColor", "clearcoat"} << QByteArrayList{};
    QTest::newRow("velvet shows the uv transparency")
        << QByteArray("zkdVelvetMaterial") << QByteArrayList{"uVTransparency", "texture", "falloff"}
        << QByteArrayList{"transparency", "diffuseSpectrumColor"};
    QTest::newRow("woven cloth shows the uv transparency")
        << QByteArray("zkdWovenClothMaterial") << QByteArrayList{"uVTransparency", "yarnTexture", "presetChoice"}
        << QByteArrayList{"transparency", "diffuseSpectrumColor", "glossyColor"};
    QTest::newRow("x-ray shows its raytracing") << QByteArray("zkdXRayMaterial")
                                                << QByteArrayList{"raytracing", "fresnelColorPower"}
                                                << QByteArrayList{};
}

void tst_zkFurtherMaterialDescriptions::rows()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArrayList, shown);
    QFETCH(QByteArrayList, absent);

    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(createObjects(type, 1)));
    for (const QByteArray &row : shown)
        QVERIFY2(editor.getControlLayoutWidget(row), row.constData());
    for (const QByteArray &row : absent + QByteArrayList{"name", "tags"})
        QVERIFY2(!editor.getControl(row), row.constData());
}

// The file dialog offers the measurement formats only, also to the switch material's subclass
// editor built over several measured materials.
void tst_zkFurtherMaterialDescriptions::measurementOpensMeasurementFiles()
{
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(createObjects("zkdXRiteMeasuredMaterial", 2)));
    const zkBaseControl *control = editor.getControl("measurement");
    QVERIFY(control);
    const auto *options = dynamic_cast<const zkFilenameControlOptions *>(control->getOptions());
    QVERIFY(options);
    QCOMPARE(options->fileFilter, QStringLiteral("*.axf *.cpa *.btf"));
}

void tst_zkFurtherMaterialDescriptions::refreshRules_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("watched");
    QTest::addColumn<QByteArray>("refreshed");
    QTest::addColumn<QVariant>("value");

    const QVariant colour = QVariant::fromValue(QVector3D(0.25f, 0.5f, 0.75f));
    for (const char *type : {"zkdPhongMaterial", "zkdPlasticMaterial", "zkdReflectivePlasticMaterial",
                             "zkdVelvetMaterial", "zkdWovenClothMaterial"})
        QTest::addRow("%s diffuse colour", type) << QByteArray(type) << QByteArray("diffuseColor")
                                                 << QByteArray("analyticDiffuseColor") << colour;

    // Each row a cloth preset writes, with a value no preset and no default has.
    const QList<QPair<QByteArray, QVariant>> presetRows{
        {"diffuseColor", colour},
        {"darkening", 7.25f},
        {"warpColor", colour},
        {"weftColor", colour},
        {"weaveType", QVariant::fromValue(Cloth::SilkPattern)},
        {"yarnType", QVariant::fromValue(Cloth::Filament)},
        {"yarnTwistAngle", 33.5f},
        {"highlightWidth", 0.875f},
        {"exposure", 0.125f},
        {"noiseIntensity", 0.625f},
        {"moireRemoval", 0.0625f},
        {"warpYarnCurvature", -0.75f},
        {"weftYarnCurvature", 9.5f},
    };
    for (const auto &row : presetRows)
        QTest::addRow("cloth preset %s", row.first.constData())
            << QByteArray("zkdWovenClothMaterial") << QByteArray("presetChoice") << row.first << row.second;
    QTest::newRow("cloth yarn type") << QByteArray("zkdWovenClothMaterial") << QByteArray("yarnType")
                                     << QByteArray("yarnTwistAngle") << QVariant(33.5f);
}

// A value the kernel changed without a notice reaches the rows of every selected material once
// the watched property's rule has run.
void tst_zkFurtherMaterialDescriptions::refreshRules()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, watched);
    QFETCH(QByteArray, refreshed);
    QFETCH(QVariant, value);

    const QList<zkdObject> materials = createObjects(type, 2);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(materials));
    const QVariant shownBefore = editor.getProperty(refreshed);
    QVERIFY(shownBefore.isValid());
    {
        const QSignalBlocker silent(zkdObjectManager::instance());
        for (const zkdObject &material : materials)
            QVERIFY(material.setProperty(refreshed.constData(), value));
    }
    QCOMPARE(editor.getProperty(refreshed), shownBefore);

    zkPropertyEditorFactory::updateChangedProperties(&editor, editor.getInheritanceHierarchy(), watched);
    QCOMPARE(editor.getProperty(refreshed).toString(), value.toString());
}

void tst_zkFurtherMaterialDescriptions::yarnTypeEnablesTwistAngle_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<Cloth::YarnType>("before");
    QTest::addColumn<Cloth::YarnType>("after");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("to filament") << 1 << Cloth::Staple << Cloth::Filament << false;
    QTest::newRow("to staple") << 1 << Cloth::Filament << Cloth::Staple << true;
    QTest::newRow("to filament, two selected") << 2 << Cloth::Staple << Cloth::Filament << false;
    QTest::newRow("to staple, two selected") << 2 << Cloth::Filament << Cloth::Staple << true;
}

// The rule holds after an edit of every selected cloth, and in an editor built over cloths that
// already hold the yarn type.
void tst_zkFurtherMaterialDescriptions::yarnTypeEnablesTwistAngle()
{
    QFETCH(int, selected);
    QFETCH(Cloth::YarnType, before);
    QFETCH(Cloth::YarnType, after);
    QFETCH(bool, enabled);

    const QList<zkdObject> cloths = createObjects("zkdWovenClothMaterial", selected);
    for (const zkdObject &cloth : cloths)
        QVERIFY(cloth.setProperty("yarnType", QVariant::fromValue(before)));
    {
        zkPropertyEditorWidget editor(nullptr, {});
        editor.setCurrentObjects(wrap(cloths));
        QCOMPARE(rowEnabled(editor, "yarnTwistAngle"), !enabled);
        editor.setProperty("yarnType", QVariant::fromValue(after));
        for (const zkdObject &cloth : cloths)
            QCOMPARE(cloth.property("yarnType").toInt(), int(after));
        QCOMPARE(rowEnabled(editor, "yarnTwistAngle"), enabled);
        // What the kernel made of the angle is what the row shows.
        QCOMPARE(editor.getProperty("yarnTwistAngle"), cloths.first().property("yarnTwistAngle"));
        QVERIFY(rowEnabled(editor, "yarnType"));
    }

    zkPropertyEditorWidget rebuilt(nullptr, {});
    rebuilt.setCurrentObjects(wrap(cloths));
    QCOMPARE(rowEnabled(rebuilt, "yarnTwistAngle"), enabled);
}

// Choosing a preset in the editor writes it to every selected cloth, and the rows show what the
// kernel derived from it, the twist angle's enabled state included.
void tst_zkFurtherMaterialDescriptions::presetReachesEverySelectedCloth()
{
    const QList<zkdObject> cloths = createObjects("zkdWovenClothMaterial", 2);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(cloths));
    QVERIFY(rowEnabled(editor, "yarnTwistAngle"));

    for (const Cloth::ClothPresets preset : {Cloth::Jeans, Cloth::Silk, Cloth::Viscose}) {
        editor.setProperty("presetChoice", QVariant::fromValue(preset));
        const zkdObject &first = cloths.first();
        for (const QByteArray row : {"weaveType", "yarnType", "darkening", "warpColor", "weftYarnCurvature"}) {
            QCOMPARE(cloths.last().property(row.constData()), first.property(row.constData()));
            QCOMPARE(editor.getProperty(row).toString(), first.property(row.constData()).toString());
        }
        const bool staple = first.property("yarnType").toInt() == Cloth::Staple;
        QCOMPARE(rowEnabled(editor, "yarnTwistAngle"), staple);
    }
}

QTEST_MAIN(tst_zkFurtherMaterialDescriptions)
#include "tst_zkFurtherMaterialDescriptions.moc"
