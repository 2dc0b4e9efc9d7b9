#include "zkRuleExpectations.h"

#include <zkCameraService.h>
#include <zkComboBoxResetControl.h>
#include <zkDoubleRelativeStepperControl.h>
#include <zkKernelServiceFactory.h>
#include <zkKernelServices.h>
#include <zkPushButtonControl.h>
#include <zkSceneplateTypes.h>
#include <zkTestSupport.h>
#include <zkUndoStack.h>
#include <zkdCameraNode.h>

#include <QLineF>
#include <QPushButton>
#include <QQuaternion>
#include <QTest>

class tst_zkScenePlateDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zkKernelServices::initialize(); }
    void cleanup() { zkUndoStack::instance()->clear(); }
    void rules_data();
    void rules();
    void everyPropertyHasItsRow_data();
    void everyPropertyHasItsRow();
    void resetPutsTheVanishingLinesBack();
    void stepperTurnsTheCurrentCamera_data();
    void stepperTurnsTheCurrentCamera();
    void matchingStaysOnUntilPressedAgain();
};

void tst_zkScenePlateDescriptions::rules_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("after");
    QTest::addColumn<Expectations>("expected");
    QTest::addColumn<QVariantMap>("preset");

    const auto v = [](auto value) { return QVariant::fromValue(value); };
    const QByteArrayList imageRows{"image", "useImageSequence", "frameOffset", "inlineImageSequence", "repeatMode"};
    const QByteArrayList textRows{"text", "font", "fontStyle", "fontHeight", "fontColor", "backgroundColor",
                                  "backgroundTransparency"};
    const QByteArrayList webRows{"width", "height", "clickThrough", "url"};
    // The rows of one content, and those every plate shows.
    const auto content = [&](const QByteArrayList &own) {
        Expectations expectations;
        for (const QByteArray &row : imageRows + textRows + webRows)
            expectations.append(shown(row, own.contains(row)));
        for (const char *row : {"name", "nodeType", "contentType", "transparency", "position", "size", "hueShift"})
            expectations.append(shown(row));
        return expectations;
    };
    using namespace zkSceneplateTypes;
    const QByteArray plate("zkdSceneplateNode");
    QTest::newRow("image to text") << plate << 1 << QByteArray("contentType") << v(Image) << v(Text)
                                   << content(textRows) << QVariantMap();
    QTest::newRow("text to web, two selected") << plate << 2 << QByteArray("contentType") << v(Text) << v(Web)
                                               << content(webRows) << QVariantMap();
    QTest::newRow("web to image") << plate << 1 << QByteArray("contentType") << v(Web) << v(Image)
                                  << content(imageRows) << QVariantMap();

    const QByteArray match("zkdPerspectiveMatch");
    const QByteArrayList matchSettings{"magnifyFactor", "rotationStepSize", "vanishingLinesType"};
    Expectations on{enabled("enabled")};
    Expectations off{enabled("enabled")};
    for (const QByteArray &row : matchSettings) {
        on.append(enabled(row));
        off.append(disabled(row));
    }
    QTest::newRow("matching on") << match << 1 << QByteArray("enabled") << v(false) << v(true) << on
                                 << QVariantMap();
    QTest::newRow("matching off, two selected") << match << 2 << QByteArray("enabled") << v(true) << v(false) << off
                                                << QVariantMap();
}

void tst_zkScenePlateDescriptions::rules()
{
    QFETCH(QByteArray, type);
    QFETCH(int, selected);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, before);
    QFETCH(QVariant, after);
    QFETCH(Expectations, expected);
    QFETCH(QVariantMap, preset);

    const QString failures = ruleFailures(type, selected, property, before, after, expected, preset);
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}

void tst_zkScenePlateDescriptions::everyPropertyHasItsRow_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArrayList>("withoutRow");

    QTest::newRow("scene plate") << QByteArray("zkdSceneplateNode")
                                 << QByteArrayList{"visibilityFlag", "visibility", "userLocked", "imageNumber",
                                                   "choice"};
    QTest::newRow("switch node") << QByteArray("zkdSwitchNode")
                                 << QByteArrayList{"visibilityFlag", "visibility", "userLocked", "choice"};
    QTest::newRow("perspective match")
        << QByteArray("zkdPerspectiveMatch")
        << QByteArrayList{"xLine1", "xLine2", "yLine1", "yLine2", "zLine1", "zLine2", "defaultLines",
                          "rotateLeft", "pivotFromNavigator", "rotateRight", "pivot"};
    QTest::newRow("tessellation") << QByteArray("zkdTessellationSettings")
                                  << QByteArrayList{"flushTransformations", "createLayerGroups", "robustTessellation"};
    QTest::newRow("web engine") << QByteArray("zkdWebEngine") << QByteArrayList{"reload"};
    QTest::newRow("import settings")
        << QByteArray("zkdKxmSettings")
        << QByteArrayList{"disableMultithreadedImport", "fixSurfaceOrientation", "useLegacyLoader"};
}

// A value type that differs from the kernel's would leave the row to a plain control, or to
// none, with a note on standard output.
void tst_zkScenePlateDescriptions::everyPropertyHasItsRow()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArrayList, withoutRow);

    const zkdObject object = zkdObjectManager::create(type);
    zkPropertyEditorWidget editor(nullptr, {});
    zkCapturedOutput out(stdout);
    editor.setCurrentObjects(wrap({object}));
    std::fflush(stdout);
    QCOMPARE(out.take(), QByteArray());

    const zkPropertyEditorZkdObjectWrapper wrapper(object);
    for (int i = 0; i < wrapper.getPropertyCount(); ++i) {
        const QByteArray name = wrapper.getMetaProperty(i).name;
        if (name == "null" || name == "visible" || name == "objectId" || name == "typeId")
            continue;
        const zkBaseControl *control = editor.getControl(name);
        QVERIFY2(bool(control) != withoutRow.contains(name), name.constData());
        if (control) {
            const QByteArray controlClass = control->metaObject()->className();
            const QByteArrayList plain{"zkFloatControl", "zkDoubleControl", "zkInt32Control", "zkUInt32Control"};
            QVERIFY2(!plain.contains(controlClass), qPrintable(name + " has the plain " + controlClass));
        }
    }
}

// The reset button beside the vanishing lines, while matching, writes the command that puts
// them back.
void tst_zkScenePlateDescriptions::resetPutsTheVanishingLinesBack()
{
    const zkdObject match = zkdObjectManager::create("zkdPerspectiveMatch");
    const QVariant original = match.property("xLine1");
    match.setProperty("xLine1", QVariant::fromValue(QLineF(0.0, 0.0, 1.0, 1.0)));
    match.setProperty("enabled", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({match}));
    auto *lines = qobject_cast<zkComboBoxResetControl *>(editor.getControl("vanishingLinesType"));
    QVERIFY(lines);

    lines->getResetButton()->click();
    QCOMPARE(match.property("xLine1"), original);
    QCOMPARE(match.property("defaultLines"), QVariant(false));
}

void tst_zkScenePlateDescriptions::stepperTurnsTheCurrentCamera_data()
{
    QTest::addColumn<bool>("back");
    QTest::addColumn<float>("angle");

    QTest::newRow("back turns left") << true << 15.0f;
    QTest::newRow("forward turns right") << false << -15.0f;
}

void tst_zkScenePlateDescriptions::stepperTurnsTheCurrentCamera()
{
    QFETCH(bool, back);
    QFETCH(float, angle);

    auto *cameras = zkKernelServiceFactory::the().getService<zkCameraService>();
    QVERIFY(cameras);
    const auto camera = zkd_cast<zkdCameraNode>(zkdObjectManager::create("zkdCameraNode"));
    cameras->setCurrentCamera(camera);
    const zkdObject match = zkdObjectManager::create("zkdPerspectiveMatch");
    match.setProperty("enabled", true);
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({match}));
    auto *stepper = qobject_cast<zkDoubleRelativeStepperControl *>(editor.getControl("rotationStepSize"));
    QVERIFY(stepper);

    (back ? stepper->getBackButton() : stepper->getForwardButton())->click();
    const QQuaternion expected = QQuaternion::fromAxisAndAngle(0.0f, 1.0f, 0.0f, angle);
    QVERIFY2(QQuaternion::dotProduct(camera.getRotation(), expected) > 0.9999f, "the camera did not turn by the step");
    QCOMPARE(match.property(back ? "rotateLeft" : "rotateRight"), QVariant(false));
    cameras->setCurrentCamera(zkdCameraNode());
}

// Matching is a state, not a command: the button holds it until it is pressed again.
void tst_zkScenePlateDescriptions::matchingStaysOnUntilPressedAgain()
{
    const zkdObject match = zkdObjectManager::create("zkdPerspectiveMatch");
    zkPropertyEditorWidget editor(nullptr, {});
    editor.setCurrentObjects(wrap({match}));
    auto *button = qobject_cast<zkPushButtonControl *>(editor.getControl("enabled"));
    QVERIFY(button);

    button->getButton()->click();
    QCOMPARE(match.property("enabled"), QVariant(true));
    QVERIFY(editor.getControlLayoutWidget("magnifyFactor")->isEnabled());
    button->getButton()->click();
    QCOMPARE(match.property("enabled"), QVariant(false));
    QVERIFY(!editor.getControlLayoutWidget("magnifyFactor")->isEnabled());
}

QTEST_MAIN(tst_zkScenePlateDescriptions)

#include "tst_zkScenePlateDescriptions.moc"
