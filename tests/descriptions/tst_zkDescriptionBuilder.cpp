#include <zkBaseControl.h>
#include <zkCategoryControl.h>
#include <zkDescriptionBuilder.h>
#include <zkGroupControl.h>
#include <zkPropertyEditorDescriptionBase.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkdObject.h>
#include <zkdObjectManager.h>

#include <QTest>

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
        const auto light = [](zkBaseControlOptions &options) { options.group = "Light"; };
        zkDescriptionBuilder<zkdTestLamp> rows(getFactory());
        rows.category("Extra", QStringLiteral("Extra Tab"))
            .group("Light", QStringLiteral("Light Settings"), rows.Expanded)
            .group("Cone", QStringLiteral("Cone Shape"))
            .editor<bool, zkBaseControl>("useCone", light)
            .editor<double, zkBaseControl>("intensity", light)
            .editor<double, zkBaseControl>("radius", light)
            .editor<double, zkBaseControl>("coneAngle", light)
            .editor<double, zkBaseControl>("penumbra", [](zkBaseControlOptions &options) { options.group = "Cone"; })
            .hidden<bool>("on")
            .after<double>("intensity", "coneAngle")
            .showWhen("useCone", {"coneAngle", "penumbra"})
            .enableWhen<double>("intensity", {"radius"}, [](double intensity) { return intensity > 0.0; });
    }
};

TestLampDescription description;

zkdObject createLamp(bool useCone, double intensity)
{
    const zkdObject lamp = zkdObjectManager::create("zkdTestLamp");
    lamp.setProperty("useCone", useCone);
    lamp.setProperty("intensity", intensity);
    return lamp;
}

} // namespace

class tst_zkDescriptionBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsFollowTheDeclarations();
    void conditionsFollowTheValues();
};

void tst_zkDescriptionBuilder::initTestCase()
{
    using namespace zkdProperty;
    zkdObjectManager::registerClass<zkdTestLamp>({
        value<bool>("on", true), value<double>("coneAngle", 30.0), value<double>("penumbra", 5.0),
        value<double>("radius", 2.0), value<double>("intensity", 1.0), value<bool>("useCone", false),
    });
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
    QCOMPARE(editor.tabText(editor.indexOf(editor.findCategory("Extra"))), QStringLiteral("Extra Tab"));

    QVERIFY(!editor.getControl("on"));
    // Registered before coneAngle, placed right after it.
    QCOMPARE(editor.getControlSortKey("intensity"), editor.getControlSortKey("coneAngle") + 1);
    QCOMPARE(editor.getControl("coneAngle")->getNext(), editor.getControl("intensity"));
}

// Each step changes both conditions, in both directions.
void tst_zkDescriptionBuilder::conditionsFollowTheValues()
{
    const zkdObject lamp = createLamp(false, 1.0);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(lamp)});
    const auto hidden = [&editor](const char *name) { return editor.getControlLayoutWidget(name)->isHidden(); };
    const auto enabled = [&editor](const char *name) { return editor.getControlLayoutWidget(name)->isEnabled(); };
    for (const auto &[useCone, intensity] : {std::pair(false, 1.0), {true, 0.0}, {false, 0.5}, {true, -1.0}}) {
        lamp.setProperty("useCone", useCone);
        lamp.setProperty("intensity", intensity);
        QCOMPARE(hidden("coneAngle"), !useCone);
        QCOMPARE(hidden("penumbra"), !useCone);
        QCOMPARE(enabled("radius"), intensity > 0.0);
        QVERIFY(!hidden("radius") && enabled("penumbra"));
    }
}

QTEST_MAIN(tst_zkDescriptionBuilder)
#include "tst_zkDescriptionBuilder.moc"
