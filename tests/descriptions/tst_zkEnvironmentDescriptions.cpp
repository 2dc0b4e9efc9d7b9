#include "zkRuleExpectations.h"

#include <QZKComboBox.h>
#include <QZKDoubleSpiner.h>
#include <zkComboBoxControl.h>
#include <zkControllerService.h>
#include <zkGeographicCoordinateControl.h>
#include <zkKernelServiceFactory.h>
#include <zkTimeZoneControl.h>
#include <zkUndoStack.h>
#include <zkWorldMapLocationControl.h>
#include <zkdEnvironmentMaterial.h>
#include <zkdEnvironmentRaytracing.h>
#include <zkdHDRLightStudio.h>
#include <zkdSkylightSkyAndSun.h>

#include <QCheckBox>
#include <QLabel>
#include <QTest>

namespace {

QString closestCity(double longitude, double latitude)
{
    return zkKernelServiceFactory::the().getService<zkControllerService>()->getClosestCity(longitude, latitude);
}

QStringList itemTexts(const QComboBox *comboBox)
{
    QStringList items;
    for (int i = 0; i < comboBox->count(); ++i)
        items.append(comboBox->itemText(i));
    return items;
}

} // namespace

class tst_zkEnvironmentDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { zkUndoStack::instance()->clear(); }
    void rules_data();
    void rules();
    void composition_data();
    void composition();
    void choicesWriteKernelValues_data();
    void choicesWriteKernelValues();
    void coordinatesChooseHemispheres_data();
    void coordinatesChooseHemispheres();
    void locationChangeRefreshesClosestCity_data();
    void locationChangeRefreshesClosestCity();
    void daylightSavingShiftsTimeZone();
};

void tst_zkEnvironmentDescriptions::rules_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<Expectations>("expected");

    using Environment = zkdEnvironmentMaterial;
    const auto v = [](auto value) { return QVariant::fromValue(value); };
    const QVariant on(true);
    const QVariant off(false);

    // Only a custom hull has a geometry file to load.
    for (const QByteArray &type : {QByteArray("zkdEnvironmentMaterial"), QByteArray("zkdSkylightMaterial")}) {
        QTest::addRow("%s custom", type.constData())
            << type << 1 << QByteArray("geometryType") << v(Environment::Dome) << v(Environment::Custom)
            << Expectations{shown("geometry"), shown("geometryType"), shown("visible")};
        QTest::addRow("%s sphere, two selected", type.constData())
            << type << 2 << QByteArray("geometryType") << v(Environment::Custom) << v(Environment::Sphere)
            << Expectations{hidden("geometry"), shown("flipped")};
        QTest::addRow("%s cube", type.constData())
            << type << 1 << QByteArray("geometryType") << v(Environment::Custom) << v(Environment::Cube)
            << Expectations{hidden("geometry")};

        const Expectations quality{enabled("raytracingSettings/interactiveIblSamplingQuality"),
                                   enabled("raytracingSettings/stillFrameIblSamplingQuality"),
                                   enabled("raytracingSettings/materialId")};
        QTest::addRow("%s IBL sampling overridden", type.constData())
            << type << 1 << QByteArray("raytracingSettings/overrideIblSampling") << off << on << quality;
        QTest::addRow("%s IBL sampling global, two selected", type.constData())
            << type << 2 << QByteArray("raytracingSettings/overrideIblSampling") << on << off
            << Expectations{disabled("raytracingSettings/interactiveIblSamplingQuality"),
                            disabled("raytracingSettings/stillFrameIblSamplingQuality"),
                            enabled("raytracingSettings/materialId")};
    }

    QTest::newRow("light paint") << QByteArray("zkdEnvironmentMaterial") << 1
                                 << QByteArray("hDRLightStudio/lightPaint") << off << on
                                 << Expectations{enabled("hDRLightStudio/lightPaintMode")};
    QTest::newRow("no light paint, two selected")
        << QByteArray("zkdEnvironmentMaterial") << 2 << QByteArray("hDRLightStudio/lightPaint") << on << off
        << Expectations{disabled("hDRLightStudio/lightPaintMode"), enabled("hDRLightStudio/lightPaint")};
    QTest::newRow("raytracing alone") << QByteArray("zkdEnvironmentRaytracing") << 1
                                      << QByteArray("overrideIblSampling") << on << off
                                      << Expectations{disabled("interactiveIblSamplingQuality"),
                                                      disabled("stillFrameIblSamplingQuality")};
}

void tst_zkEnvironmentDescriptions::rules()
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

void tst_zkEnvironmentDescriptions::composition_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArrayList>("expanded");
    QTest::addColumn<QByteArrayList>("collapsed");
    QTest::addColumn<QByteArrayList>("rows");

    const QByteArrayList shared{"environment", "geometryType", "visible", "flipped", "shadowPlaneVisible",
                                "shadowsAndIllumination/lightsourcesCount", "shadowsAndIllumination/mapResolution",
                                "colorCorrection/exposure", "colorCorrection/whiteBalance",
                                "transformation/environmentSize", "transformation/centerFromObject",
                                "transformation/scale", "raytracingSettings/isLightsource",
                                "raytracingSettings/illuminationMode"};
    QTest::newRow("environment")
        << QByteArray("zkdEnvironmentMaterial")
        << QByteArrayList{"Sphere Environment Material", "Color Correction", "Transformation"}
        << QByteArrayList{"Shadows and Illumination", "HDR Light Studio", "Raytracing Settings"}
        << shared + QByteArrayList{"hDRLightStudio/editAndLoadSettings", "hDRLightStudio/lightPaintMode"};
    QTest::newRow("skylight")
        << QByteArray("zkdSkylightMaterial")
        << QByteArrayList{"Skylight Material", "Sky and Sun", "Date and Time", "Location", "Transformation"}
        << QByteArrayList{"Shadows and Illumination", "Color Correction", "Raytracing Settings"}
        << shared + QByteArrayList{"resolution", "showCompass", "date", "time", "skyAndSun/skyModel",
                                   "skyAndSun/groundColor", "location/longitude", "location/latitude",
                                   "location/timeZone", "location/closestCity"};
}

// The hull rows and one group per embedded object, each with that object's own rows.
void tst_zkEnvironmentDescriptions::composition()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArrayList, expanded);
    QFETCH(QByteArrayList, collapsed);
    QFETCH(QByteArrayList, rows);

    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({zkdObjectManager::create(type)}));
    for (const QByteArray &group : expanded) {
        const zkGroupControl *control = editor.findGroupControl(group);
        QVERIFY2(control && !control->isCollapsed(), group.constData());
    }
    for (const QByteArray &group : collapsed) {
        const zkGroupControl *control = editor.findGroupControl(group);
        QVERIFY2(control && control->isCollapsed(), group.constData());
    }
    Expectations expectations;
    for (const QByteArray &row : rows)
        expectations.append(shown(row));
    // The kernel's default hull is a dome, which loads no geometry.
    expectations.append(hidden("geometry"));
    const QString failures = unmet(editor, expectations);
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}

void tst_zkEnvironmentDescriptions::choicesWriteKernelValues_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("index");
    QTest::addColumn<QVariant>("written");

    QTest::newRow("map resolution in pixels")
        << QByteArray("zkdEnvironmentShadowsAndIllumination") << QByteArray("mapResolution")
        << QStringList{"128", "256", "512", "1024", "2048", "4096", "8192", "16384"} << 4 << QVariant(2048u);
    QTest::newRow("sky resolution") << QByteArray("zkdSkylightMaterial") << QByteArray("resolution")
                                    << QStringList{"Interactive", "Medium", "High Quality"} << 2 << QVariant(2u);
    QTest::newRow("skylight geometry") << QByteArray("zkdSkylightMaterial") << QByteArray("geometryType")
                                       << QStringList{"Custom", "Dome", "Sphere", "Cube"} << 0
                                       << QVariant::fromValue(zkdEnvironmentMaterial::Custom);
    QTest::newRow("upper hemisphere") << QByteArray("zkdEnvironmentRaytracing") << QByteArray("illuminationMode")
                                      << QStringList{"Full Sphere", "Upper Hemisphere"} << 1
                                      << QVariant::fromValue(zkdEnvironmentRaytracing::UpperHemisphere);
    QTest::newRow("rim painting") << QByteArray("zkdHDRLightStudio") << QByteArray("lightPaintMode")
                                  << QStringList{"Reflection Painting", "Illumination Painting", "Rim Painting"} << 2
                                  << QVariant::fromValue(zkdHDRLightStudio::RimPainting);
    QTest::newRow("artistic sky") << QByteArray("zkdSkylightSkyAndSun") << QByteArray("skyModel")
                                  << QStringList{"Realistic", "Artistic"} << 1
                                  << QVariant::fromValue(zkdSkylightSkyAndSun::Artistic);
}

// Each item stands for the kernel value of its meaning, which need not be its position.
void tst_zkEnvironmentDescriptions::choicesWriteKernelValues()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, property);
    QFETCH(QStringList, items);
    QFETCH(int, index);
    QFETCH(QVariant, written);

    const zkdObject object = zkdObjectManager::create(type);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({object}));
    const auto *control = qobject_cast<const zkComboBoxControl *>(editor.getControl(property));
    QVERIFY(control);
    QCOMPARE(itemTexts(control->getComboBox()), items);
    emit control->getComboBox()->activated(index);
    QCOMPARE(object.property(property.constData()), written);
    QCOMPARE(control->getComboBox()->currentIndex(), index);
}

void tst_zkEnvironmentDescriptions::coordinatesChooseHemispheres_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QStringList>("hemispheres");
    QTest::addColumn<double>("maximum");

    QTest::newRow("longitude") << QByteArray("longitude") << QStringList{"East", "West"} << 180.0;
    QTest::newRow("latitude") << QByteArray("latitude") << QStringList{"North", "South"} << 90.0;
}

void tst_zkEnvironmentDescriptions::coordinatesChooseHemispheres()
{
    QFETCH(QByteArray, property);
    QFETCH(QStringList, hemispheres);
    QFETCH(double, maximum);

    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({zkdObjectManager::create("zkdSkylightLocation")}));
    const auto *control = qobject_cast<const zkGeographicCoordinateControl *>(editor.getControl(property));
    QVERIFY(control);
    QCOMPARE(itemTexts(control->getHemisphereComboBox()), hemispheres);
    QCOMPARE(control->getSpinBox()->maximum(), maximum);
}

void tst_zkEnvironmentDescriptions::locationChangeRefreshesClosestCity_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("selected");

    QTest::newRow("longitude") << QByteArray("longitude") << 139.7f << 1;
    QTest::newRow("latitude, two selected") << QByteArray("latitude") << -33.9f << 2;
}

// The kernel names the city closest to the new coordinates; the map row shows it at once.
void tst_zkEnvironmentDescriptions::locationChangeRefreshesClosestCity()
{
    QFETCH(QByteArray, property);
    QFETCH(float, value);
    QFETCH(int, selected);

    const QList<zkdObject> skies = createObjects("zkdSkylightMaterial", selected, "showCompass", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap(skies));
    zkPropertyEditorWidget *location = editor.getChildPropertyEditor("location");
    QVERIFY(location);
    const auto *map = qobject_cast<const zkWorldMapLocationControl *>(location->getControl("closestCity"));
    QVERIFY(map);
    const QString before = map->getValueLabel()->text();

    location->setProperty(property, value);
    const zkdObject first = holder(skies.first(), "location/x");
    const QString city = closestCity(first.property("longitude").toDouble(), first.property("latitude").toDouble());
    QVERIFY(city != before);
    QCOMPARE(map->getValueLabel()->text(), city);
    for (const zkdObject &sky : skies)
        QCOMPARE(holder(sky, "location/x").property("closestCity").toString(), city);
}

// The time zone's check box edits the hidden switch, and the offset it implies shows at once.
void tst_zkEnvironmentDescriptions::daylightSavingShiftsTimeZone()
{
    const zkdObject location = zkdObjectManager::create("zkdSkylightLocation");
    location.setProperty("timeZone", 1.0f);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({location}));
    const auto *timeZone = qobject_cast<const zkTimeZoneControl *>(editor.getControl("timeZone"));
    QVERIFY(timeZone);
    QCOMPARE(timeZone->getOffsetLabel()->text(), QStringLiteral("UTC +01:00"));

    timeZone->getDaylightSavingCheckBox()->click();
    QCOMPARE(location.property("useDaylightSavingTime"), QVariant(true));
    QCOMPARE(timeZone->getOffsetLabel()->text(), QStringLiteral("UTC +02:00"));
    QVERIFY(timeZone->getDaylightSavingCheckBox()->isChecked());
    zkUndoStack::instance()->undo();
    QCOMPARE(timeZone->getOffsetLabel()->text(), QStringLiteral("UTC +01:00"));
    QVERIFY(!timeZone->getDaylightSavingCheckBox()->isChecked());
}

QTEST_MAIN(tst_zkEnvironmentDescriptions)

#include "tst_zkEnvironmentDescriptions.moc"
