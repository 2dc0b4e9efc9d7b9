#include <zkBaseControl.h>
#include <zkDescriptionBuilder.h>
#include <zkGroupControl.h>
#include <zkNullControl.h>
#include <zkPropertyEditorDescriptionBase.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkdObject.h>
#include <zkdObjectManager.h>

#include <QtTest>

// A kernel class whose properties the description below lists in another order than the
// class does.
class zkdTestLamp : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdTestLamp)

namespace {

// A tab "Extra" and two groups: "Light" (expanded) with most rows, "Cone" (collapsed) with
// "penumbra"; "intensity" is placed after "coneAngle", the cone rows are shown while "useCone"
// is on, "radius" is enabled while the intensity is positive, and "on" has no row.
class TestLampDescription : public zkPropertyEditorDescriptionBase
{
protected:
    void init() override
    {
        zkDescriptionBuilder<zkdTestLamp> rows(getFactory());
        rows.category("Extra", QStringLiteral("Extra Tab"))
            .group("Light", QStringLiteral("Light Settings"), rows.Expanded)
            .group("Cone", QStringLiteral("Cone Shape"))
            .editor<bool, zkBaseControl>("useCone", [](zkBaseControlOptions &options) { options.group = "Light"; })
            .editor<double, zkBaseControl>("intensity", [](zkBaseControlOptions &options) { options.group = "Light"; })
            .editor<double, zkBaseControl>("radius", [](zkBaseControlOptions &options) { options.group = "Light"; })
            .editor<double, zkBaseControl>("coneAngle", [](zkBaseControlOptions &options) { options.group = "Light"; })
            .editor<double, zkBaseControl>("penumbra", [](zkBaseControlOptions &options) { options.group = "Cone"; })
            .hidden<bool>("on")
            .after<double>("intensity", "coneAngle")
            .showWhen("useCone", {"coneAngle", "penumbra"})
            .enableWhen<double>("intensity", {"radius"}, [](double intensity) { return intensity > 0.0; });
    }
};

TestLampDescription description;

} // namespace

class tst_zkDescriptionBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsFollowTheDeclarations();
    void showWhenFollowsValue_data();
    void showWhenFollowsValue();
    void enableWhenFollowsValue_data();
    void enableWhenFollowsValue();

private:
    static zkdObject createLamp(bool useCone, double intensity);
};

void tst_zkDescriptionBuilder::initTestCase()
{
    zkdObjectManager::registerClass<zkdTestLamp>({
        zkdProperty::value<bool>("on", true),
        zkdProperty::value<double>("coneAngle", 30.0),
        zkdProperty::value<double>("penumbra", 5.0),
        zkdProperty::value<double>("radius", 2.0),
        zkdProperty::value<double>("intensity", 1.0),
        zkdProperty::value<bool>("useCone", false),
    });
}

zkdObject tst_zkDescriptionBuilder::createLamp(bool useCone, double intensity)
{
    const zkdObject lamp = zkdObjectManager::create("zkdTestLamp");
    lamp.setProperty("useCone", useCone);
    lamp.setProperty("intensity", intensity);
    return lamp;
}

void tst_zkDescriptionBuilder::rowsFollowTheDeclarations()
{
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(createLamp(true, 1.0))});

    const zkGroupControl *light = editor.findGroupControl("Light");
    const zkGroupControl *cone = editor.findGroupControl("Cone");
    QVERIFY(light && cone);
    QCOMPARE(light->title(), QStringLiteral("Light Settings"));
    QVERIFY(!light->isCollapsed());
    QCOMPARE(cone->title(), QStringLiteral("Cone Shape"));
    QVERIFY(cone->isCollapsed());

    zkCategoryControl *category = editor.findCategory("Extra");
    QVERIFY(category);
    QCOMPARE(editor.tabText(editor.indexOf(category)), QStringLiteral("Extra Tab"));

    QVERIFY(!editor.getControl("on"));
    // Registered before coneAngle, placed right after it.
    QCOMPARE(editor.getControlSortKey("intensity"), editor.getControlSortKey("coneAngle") + 1);
    QCOMPARE(editor.getControl("coneAngle")->getNext(), editor.getControl("intensity"));
}

void tst_zkDescriptionBuilder::showWhenFollowsValue_data()
{
    QTest::addColumn<bool>("initial");

    QTest::newRow("shown, then hidden") << true;
    QTest::newRow("hidden, then shown") << false;
}

void tst_zkDescriptionBuilder::showWhenFollowsValue()
{
    QFETCH(bool, initial);

    const zkdObject lamp = createLamp(initial, 1.0);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(lamp)});
    for (const bool useCone : {initial, !initial}) {
        lamp.setProperty("useCone", useCone);
        QCOMPARE(editor.getControlLayoutWidget("coneAngle")->isHidden(), !useCone);
        QCOMPARE(editor.getControlLayoutWidget("penumbra")->isHidden(), !useCone);
        QVERIFY(!editor.getControlLayoutWidget("radius")->isHidden());
    }
}

void tst_zkDescriptionBuilder::enableWhenFollowsValue_data()
{
    QTest::addColumn<double>("intensity");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("positive") << 0.5 << true;
    QTest::newRow("zero") << 0.0 << false;
    QTest::newRow("negative") << -1.0 << false;
}

void tst_zkDescriptionBuilder::enableWhenFollowsValue()
{
    QFETCH(double, intensity);
    QFETCH(bool, enabled);

    const zkdObject lamp = createLamp(false, 2.0);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(lamp)});
    QVERIFY(editor.getControlLayoutWidget("radius")->isEnabled());

    lamp.setProperty("intensity", intensity);
    QCOMPARE(editor.getControlLayoutWidget("radius")->isEnabled(), enabled);
    QVERIFY(editor.getControlLayoutWidget("penumbra")->isEnabled());
}

QTEST_MAIN(tst_zkDescriptionBuilder)
#include "tst_zkDescriptionBuilder.moc"
