#include <zkWhiteBalanceControl.h>

#include <QZKWhiteBalance.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdEnvironmentColorCorrection.h>
#include <zkdObjectManager.h>

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

using Options = zkWhiteBalanceControlOptions;
using Modifier = std::function<void(Options &)>;

// Opens the option appliers that callers reach after construction.
class zkExposedWhiteBalanceControl : public zkWhiteBalanceControl
{
public:
    using zkWhiteBalanceControl::zkWhiteBalanceControl;
    using zkWhiteBalanceControl::setInfo;
    using zkWhiteBalanceControl::setRange;
    using zkWhiteBalanceControl::setSteps;
    using zkWhiteBalanceControl::setSuffix;
};

} // namespace

Q_DECLARE_METATYPE(Modifier)

// The colour temperature row: the options reach the widget, edits reach every object, and
// showing the kernel's value writes nothing.
class tst_zkWhiteBalanceControl : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void construction_data();
    void construction();
    void optionsAppliedAgain();
    void editsEveryObjectInOneStep();
    void showsKernelValue_data();
    void showsKernelValue();

private:
    void createEditor(int objects, const Modifier &modifier = {});
    int valueOf(int object) const { return m_objects.at(object).property("whiteBalance").toInt(); }

    QList<zkdEnvironmentColorCorrection> m_objects;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkExposedWhiteBalanceControl *m_control = nullptr;
};

void tst_zkWhiteBalanceControl::createEditor(int objects, const Modifier &modifier)
{
    cleanup();
    for (int i = 0; i < objects; ++i)
        m_objects.append(zkdObjectManager::create<zkdEnvironmentColorCorrection>());
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdEnvironmentColorCorrection, int, zkExposedWhiteBalanceControl>("whiteBalance",
                                                                                            modifier);
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>{factory});
    m_editor->setKeepProperties({"whiteBalance"});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdEnvironmentColorCorrection &object : qAsConst(m_objects))
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(object));
    m_editor->setCurrentObjects(wrappers);
    m_control = static_cast<zkExposedWhiteBalanceControl *>(
        qobject_cast<zkWhiteBalanceControl *>(m_editor->getControl("whiteBalance")));
    QVERIFY(m_control);
    stack()->clear();
}

void tst_zkWhiteBalanceControl::cleanup()
{
    m_control = nullptr;
    m_editor.reset();
    for (const zkdEnvironmentColorCorrection &object : qAsConst(m_objects))
        zkdObjectManager::destroy(object);
    m_objects.clear();
    stack()->clear();
}

void tst_zkWhiteBalanceControl::construction_data()
{
    QTest::addColumn<Modifier>("modifier");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("trailer");
    QTest::addColumn<QString>("epilog");

    QTest::newRow("defaults") << Modifier() << 0 << 65535 << 1 << "" << "" << "";
    QTest::newRow("texts") << Modifier([](Options &options) {
        options.minimum = 1000;
        options.maximum = 15000;
        options.singleStep = 50;
        options.suffix = QStringLiteral(" K");
        options.trailer = QStringLiteral("Warm");
        options.epilog = QStringLiteral("Cool");
    }) << 1000 << 15000 << 50 << " K" << "Warm" << "Cool";
    // A range wholly above the widget's own.
    QTest::newRow("high range") << Modifier([](Options &options) {
        options.minimum = 20000;
        options.maximum = 30000;
    }) << 20000 << 30000 << 1 << "" << "" << "";
}

void tst_zkWhiteBalanceControl::construction()
{
    QFETCH(Modifier, modifier);

    createEditor(1, modifier);
    const QZKWhiteBalance *widget = m_control->getWhiteBalance();
    QCOMPARE(m_control->getEditor(), widget);
    QTEST(widget->minimum(), "minimum");
    QTEST(widget->maximum(), "maximum");
    QTEST(widget->step(), "step");
    QTEST(widget->suffix(), "suffix");
    QTEST(widget->trailer(), "trailer");
    QTEST(widget->epilog(), "epilog");
    // The kernel's 6500 is shown, clamped into the range, and not written back.
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QCOMPARE(widget->value(), qBound(minimum, 6500, maximum));
    QCOMPARE(valueOf(0), 6500);
    QCOMPARE(stack()->count(), 0);
}

void tst_zkWhiteBalanceControl::optionsAppliedAgain()
{
    createEditor(1);
    QZKWhiteBalance *widget = m_control->getWhiteBalance();
    widget->setSuffix(QStringLiteral(" K"));
    widget->setTrailer(QStringLiteral("Warm"));
    widget->setEpilog(QStringLiteral("Cool"));

    auto *options = static_cast<Options *>(m_control->getOptions());
    options->minimum = 2000;
    options->maximum = 9000;
    options->singleStep = 100;
    m_control->setRange(options);
    m_control->setSteps(options);
    m_control->setSuffix(options);
    m_control->setInfo(options);
    QCOMPARE(widget->minimum(), 2000);
    QCOMPARE(widget->maximum(), 9000);
    QCOMPARE(widget->step(), 100);
    // Empty texts leave the widget's own.
    QCOMPARE(widget->suffix(), QStringLiteral(" K"));
    QCOMPARE(widget->trailer(), QStringLiteral("Warm"));
    QCOMPARE(widget->epilog(), QStringLiteral("Cool"));

    options->suffix = QStringLiteral(" kelvin");
    options->epilog = QStringLiteral("Blue");
    m_control->setSuffix(options);
    m_control->setInfo(options);
    QCOMPARE(widget->suffix(), QStringLiteral(" kelvin"));
    QCOMPARE(widget->trailer(), QStringLiteral("Warm"));
    QCOMPARE(widget->epilog(), QStringLiteral("Blue"));
}

void tst_zkWhiteBalanceControl::editsEveryObjectInOneStep()
{
    createEditor(2);
    QVERIFY(m_objects.at(1).setProperty("whiteBalance", 3000));
    stack()->clear();

    m_control->getWhiteBalance()->setValue(5200);
    QCOMPARE(valueOf(0), 5200);
    QCOMPARE(valueOf(1), 5200);
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(valueOf(0), 6500);
    QCOMPARE(valueOf(1), 3000);
}

void tst_zkWhiteBalanceControl::showsKernelValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown");

    QTest::newRow("in range") << 4100 << 4100;
    QTest::newRow("minimum") << 0 << 0;
    QTest::newRow("beyond the maximum") << 70000 << 65535;
    QTest::newRow("negative") << -5 << 0;
}

void tst_zkWhiteBalanceControl::showsKernelValue()
{
    QFETCH(int, value);

    createEditor(1);
    QVERIFY(m_objects.first().setProperty("whiteBalance", value));
    stack()->clear();
    QSignalSpy edits(m_control->getWhiteBalance(), &QZKWhiteBalance::valueChanged);
    m_control->updateControl();
    QTEST(m_control->getWhiteBalance()->value(), "shown");
    QCOMPARE(edits.count(), 0);
    QCOMPARE(valueOf(0), value);
    QCOMPARE(stack()->count(), 0);
}

QTEST_MAIN(tst_zkWhiteBalanceControl)
#include "tst_zkWhiteBalanceControl.moc"
