#include <QZKPrecisionWheel.h>
#include <QZKVec2Control.h>
#include <QZKVec3Control.h>
#include <QZKVec4Control.h>
#include <QZKWheelPrec.h>

#include <QLayout>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>

namespace {

// Every component report as (component, value), in order.
using Reports = QVector<QPair<int, double>>;

void record(QZKVecControl *control, Reports &reports)
{
    const decltype(&QZKVecControl::changedX) changed[] = {&QZKVecControl::changedX, &QZKVecControl::changedY,
                                                          &QZKVecControl::changedZ, &QZKVecControl::changedW};
    for (int c = 0; c < 4; ++c)
        QObject::connect(control, changed[c], control, [&reports, c](double v) { reports.append({c, v}); });
}

QVector<double> values(const QZKVecControl &control)
{
    QVector<double> result;
    for (int i = 0; i < control.componentCount(); ++i)
        result << control.value(i);
    return result;
}

QList<QWidget *> wheels(const QZKVecControl &control)
{
    return control.findChildren<QWidget *>(QStringLiteral("QZKWheelPrec"));
}

QLineEdit *field(const QWidget *wheel)
{
    return qobject_cast<QLineEdit *>(wheel->focusProxy());
}

void enter(QWidget *wheel, const QString &text)
{
    field(wheel)->selectAll();
    QTest::keyClicks(field(wheel), text);
    QTest::keyClick(field(wheel), Qt::Key_Return);
}

} // namespace

class tst_QZKVecControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reports();
    void relativeEntryReported();
    void decimals();
    void layout();
    void multiSelectHighlight();
    void wheelTurn_data();
    void wheelTurn();
};

void tst_QZKVecControl::reports()
{
    QZKVec4Control control;
    control.setXYZW(1.5, -2.25, 1000.125, 0.001);
    const QVector<double> initial{1.5, -2.25, 1000.125, 0.001};
    QCOMPARE(values(control), initial);
    Reports reports;
    record(&control, reports);
    control.setXYZW(1.5, -2.25, 1000.125, 0.001);
    QCOMPARE(reports, Reports());

    // The setter reports the changed components only, and a handler of x, which may read the
    // whole vector, sees every component already set.
    QVector<double> seen;
    connect(&control, &QZKVecControl::changedX, this, [&] { seen = values(control); });
    control.setXYZW(2.5, -2.25, 1000.125, 1.001);
    QCOMPARE(reports, (Reports{{0, 2.5}, {3, 1.001}}));
    QCOMPARE(seen, (QVector<double>{2.5, -2.25, 1000.125, 1.001}));

    // Each field reports its own component; relative entries are applied by default.
    for (int component = 0; component < 4; ++component) {
        reports.clear();
        enter(wheels(control).at(component), QStringLiteral("0.5"));
        enter(wheels(control).at(component), QStringLiteral("*=3"));
        QCOMPARE(reports, (Reports{{component, 0.5}, {component, 1.5}}));
    }

    reports.clear();
    control.blockSignals(true);
    control.setXYZW(1.5, -2.25, 1000.125, 0.001);
    control.setDecimals(1);
    control.blockSignals(false);
    QCoreApplication::processEvents();
    QCOMPARE(reports, Reports());
}

// While several objects are edited, a relative entry is reported unapplied, naming the component.
void tst_QZKVecControl::relativeEntryReported()
{
    QZKVec2Control control;
    control.setXY(4.0, 4.0);
    Reports reports;
    record(&control, reports);
    QSignalSpy relative(&control, &QZKVec2Control::relativeOperatorApplied);
    control.setRelativeOperatorHandlingMode(RelativeOperatorHandlingReport);
    enter(wheels(control).at(1), QStringLiteral("/=8"));
    QCOMPARE(reports, Reports());
    QCOMPARE(values(control), (QVector<double>{4.0, 4.0}));
    QCOMPARE(relative.count(), 1);
    QCOMPARE(relative.first().at(0).toInt(), 1);
    QCOMPARE(int(relative.first().at(1).value<RelativeOperator>()), int(RelativeOperatorDivide));
    QCOMPARE(relative.first().at(2).toDouble(), 8.0);
}

void tst_QZKVecControl::decimals()
{
    QZKVec3Control control;
    control.setDecimals(2);
    control.setXYZ(1.2345, -0.006, 2.0);
    QCOMPARE(values(control), (QVector<double>{1.23, -0.01, 2.0}));

    Reports reports;
    record(&control, reports);
    enter(wheels(control).at(2), QStringLiteral("2.004")); // rounds to the value it had
    enter(wheels(control).at(2), QStringLiteral("0.129"));
    QCOMPARE(reports, (Reports{{2, 0.13}}));

    // Fewer decimals round what is there, silently.
    control.setDecimals(1);
    QCOMPARE(control.getX(), 1.2);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(field(wheels(control).at(0))->text(), QStringLiteral("1.2"));
    control.setDisplayDecimals(3);
    control.setDecimals(0);
    QCOMPARE(control.getX(), 1.0);
    QCOMPARE(field(wheels(control).at(0))->text(), QStringLiteral("1.000"));
}

void tst_QZKVecControl::layout()
{
    QZKVec3Control control;
    control.resize(400, 200);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    const QList<QWidget *> all = wheels(control);

    // Focus given to the widget goes to the first shown component.
    control.setXVisible(false);
    QVERIFY(!all[0]->isVisible());
    QCOMPARE(control.focusProxy(), all[1]);
    control.setXVisible(true);
    QCOMPARE(control.focusProxy(), all[0]);

    // Extra captions are dropped; missing ones leave the caption as it is.
    control.setSubLabels({"A", "B", "C", "D"});
    control.setSubLabels({"P"});
    QCOMPARE(control.subLabels(), (QStringList{"P", "B", "C"}));

    QVERIFY(all[1]->geometry().left() > all[0]->geometry().right());
    control.setOrientation(QZKVectorEditor::Vertical);
    control.setWheelVisible(false);
    QCoreApplication::sendPostedEvents();
    control.layout()->activate();
    QVERIFY(all[1]->geometry().top() > all[0]->geometry().bottom());
    // The fields stay without the thumb wheels.
    for (const QWidget *wheel : all) {
        QVERIFY(!wheel->findChild<QZKPrecisionWheel *>()->isVisible());
        QVERIFY(field(wheel)->isVisible());
    }
}

void tst_QZKVecControl::multiSelectHighlight()
{
    QZKVec3Control control;
    const QList<QWidget *> all = wheels(control);
    // The whole wheel shows the mixed look, every part of it.
    const auto highlighted = [](const QWidget *wheel) {
        const QList<QWidget *> parts = wheel->findChildren<QWidget *>();
        return wheel->property("multiselect").toBool()
                && std::all_of(parts.begin(), parts.end(),
                               [](const QWidget *part) { return part->property("multiselect").toBool(); });
    };

    control.setMultiSelectHighlight(1, true);
    control.setMultiSelectHighlight(7, true); // no such component
    QVERIFY(!highlighted(all[0]));
    QVERIFY(highlighted(all[1]));
    QVERIFY(!highlighted(all[2]));
    control.setMultiSelectHighlight(1, false);
    QVERIFY(!highlighted(all[1]));
}

void tst_QZKVecControl::wheelTurn_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<double>("expected");

    const int notch = QZKPrecisionWheel::pixelsPerNotch;
    QTest::newRow("right") << 3 * notch << Qt::KeyboardModifiers() << 1.3;
    QTest::newRow("left") << -2 * notch << Qt::KeyboardModifiers() << 0.8;
    QTest::newRow("fine") << 2 * notch << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1.02;
    QTest::newRow("coarse") << notch << Qt::KeyboardModifiers(Qt::ControlModifier) << 2.0;
    QTest::newRow("clamped") << 100 * notch << Qt::KeyboardModifiers() << 5.0;
}

// The precision wheel the vector fields are made of.
void tst_QZKVecControl::wheelTurn()
{
    QFETCH(int, dx);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(double, expected);

    QZKWheelPrec wheel;
    wheel.setRange(-5.0, 5.0);
    wheel.setSingleStep(0.1);
    wheel.setSuffix(QStringLiteral(" m"));
    wheel.setDisplayDecimals(1);
    wheel.setDisplayDecimals(-1); // leaves it as it is
    wheel.setValue(1.0);
    QSignalSpy spy(&wheel, &QZKWheelPrec::valueChanged);

    // A drag across the thumb wheel, with the button held while moving.
    QWidget *thumbWheel = wheel.findChild<QZKPrecisionWheel *>();
    const QPoint start = thumbWheel->rect().center();
    const QPoint end = start + QPoint(dx, 0);
    QTest::mousePress(thumbWheel, Qt::LeftButton, modifiers, start);
    QMouseEvent move(QEvent::MouseMove, end, thumbWheel->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(thumbWheel, &move);
    QTest::mouseRelease(thumbWheel, Qt::LeftButton, modifiers, end);

    QCOMPARE(wheel.value(), expected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toDouble(), expected);
    QCOMPARE(field(&wheel)->text(), QString::number(expected, 'f', 1) + QStringLiteral(" m"));
}

QTEST_MAIN(tst_QZKVecControl)
#include "tst_QZKVecControl.moc"
