#include <QZKVec2Control.h>
#include <QZKVec3Control.h>
#include <QZKVec4Control.h>
#include <QZKPrecisionWheel.h>

#include <QApplication>
#include <QLineEdit>
#include <QLayout>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {
using ChangedSignal = void (QZKVecControl::*)(double);
const ChangedSignal changedSignals[] = {&QZKVecControl::changedX, &QZKVecControl::changedY,
                                        &QZKVecControl::changedZ, &QZKVecControl::changedW};

std::unique_ptr<QZKVecControl> makeControl(int dimension)
{
    switch (dimension) {
    case 2: return std::make_unique<QZKVec2Control>();
    case 3: return std::make_unique<QZKVec3Control>();
    default: return std::make_unique<QZKVec4Control>();
    }
}

// Through each class's own setter, as its users call it.
void setValues(QZKVecControl *control, const QVector<double> &v)
{
    if (auto *c2 = qobject_cast<QZKVec2Control *>(control))
        c2->setXY(v[0], v[1]);
    else if (auto *c3 = qobject_cast<QZKVec3Control *>(control))
        c3->setXYZ(v[0], v[1], v[2]);
    else
        static_cast<QZKVec4Control *>(control)->setXYZW(v[0], v[1], v[2], v[3]);
}

QVector<double> values(const QZKVecControl *control)
{
    QVector<double> result{control->getX(), control->getY()};
    if (auto *c3 = qobject_cast<const QZKVec3Control *>(control))
        result << c3->getZ();
    if (auto *c4 = qobject_cast<const QZKVec4Control *>(control))
        result << c4->getZ() << c4->getW();
    return result;
}

QList<QWidget *> wheels(const QZKVecControl &control)
{
    return control.findChildren<QWidget *>(QStringLiteral("QZKWheelPrec"));
}

// Types text into a component's field and confirms it.
void enter(QWidget *wheel, const QString &text)
{
    auto *field = qobject_cast<QLineEdit *>(wheel->focusProxy());
    QVERIFY(field);
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

struct Spies
{
    explicit Spies(const QZKVecControl *control)
    {
        for (ChangedSignal signal : changedSignals)
            spies.emplace_back(std::make_unique<QSignalSpy>(control, signal));
    }
    int total() const
    {
        int count = 0;
        for (const auto &spy : spies)
            count += spy->count();
        return count;
    }
    QSignalSpy &operator[](int component) { return *spies[component]; }

    std::vector<std::unique_ptr<QSignalSpy>> spies;
};
}

class tst_QZKVecControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dimensions_data();
    void setAndGet_data() { dimensions_data(); }
    void setAndGet();
    void blockedSignalsEmitNothing_data() { dimensions_data(); }
    void blockedSignalsEmitNothing();
    void setterReportsChangedComponentsOnly_data() { dimensions_data(); }
    void setterReportsChangedComponentsOnly();
    void focusChildren_data() { dimensions_data(); }
    void focusChildren();
    void typedEntry_data();
    void typedEntry();
    void relativeEntry2D_data();
    void relativeEntry2D();
    void decimals();
    void hiddenComponent();
    void orientationAndWheel();
    void multiSelectHighlight();
    void labels();
};

void tst_QZKVecControl::dimensions_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<QVector<double>>("input");
    QTest::newRow("2D") << 2 << QVector<double>{1.5, -2.25};
    QTest::newRow("3D") << 3 << QVector<double>{1.5, -2.25, 1000.125};
    QTest::newRow("4D") << 4 << QVector<double>{1.5, -2.25, 1000.125, 0.001};
}

void tst_QZKVecControl::setAndGet()
{
    QFETCH(int, dimension);
    QFETCH(QVector<double>, input);

    const auto control = makeControl(dimension);
    QCOMPARE(control->componentCount(), dimension);
    QCOMPARE(values(control.get()), QVector<double>(dimension, 0.0));
    setValues(control.get(), input);
    QCOMPARE(values(control.get()), input);
}

void tst_QZKVecControl::blockedSignalsEmitNothing()
{
    QFETCH(int, dimension);
    QFETCH(QVector<double>, input);

    const auto control = makeControl(dimension);
    Spies spies(control.get());
    control->blockSignals(true);
    setValues(control.get(), input);
    control->setDecimals(1);
    control->blockSignals(false);
    QCOMPARE(spies.total(), 0);

    // Nor later from queued work.
    QCoreApplication::processEvents();
    QCOMPARE(spies.total(), 0);
}

void tst_QZKVecControl::setterReportsChangedComponentsOnly()
{
    QFETCH(int, dimension);
    QFETCH(QVector<double>, input);

    const auto control = makeControl(dimension);
    setValues(control.get(), input);
    Spies spies(control.get());

    setValues(control.get(), input);
    QCOMPARE(spies.total(), 0);

    // Only x and the last component change; a handler of x, which may read the whole vector,
    // sees every component already set.
    QVector<double> changed = input;
    changed.first() += 1.0;
    changed.last() -= 1.0;
    QVector<double> seen;
    connect(control.get(), &QZKVecControl::changedX, control.get(), [&] { seen = values(control.get()); });
    setValues(control.get(), changed);
    QCOMPARE(spies.total(), 2);
    QCOMPARE(spies[0].count(), 1);
    QCOMPARE(spies[0].first().first().toDouble(), changed.first());
    QCOMPARE(spies[dimension - 1].count(), 1);
    QCOMPARE(spies[dimension - 1].first().first().toDouble(), changed.last());
    QCOMPARE(seen, changed);
}

void tst_QZKVecControl::focusChildren()
{
    QFETCH(int, dimension);

    const auto control = makeControl(dimension);
    control->show();
    control->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(control.get()));
    const QList<QWidget *> found = wheels(*control);
    QCOMPARE(found.size(), dimension);
    for (QWidget *wheel : found) {
        QVERIFY(wheel->focusPolicy() != Qt::NoFocus);
        QVERIFY(wheel->isVisible());
        wheel->setFocus(Qt::TabFocusReason);
        QVERIFY(wheel->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == wheel);
    }
}

void tst_QZKVecControl::typedEntry_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("component");
    for (int dimension = 2; dimension <= 4; ++dimension) {
        for (int component = 0; component < dimension; ++component)
            QTest::addRow("%dD component %d", dimension, component) << dimension << component;
    }
}

void tst_QZKVecControl::typedEntry()
{
    QFETCH(int, dimension);
    QFETCH(int, component);

    const auto control = makeControl(dimension);
    setValues(control.get(), QVector<double>(dimension, 10.0));
    Spies spies(control.get());

    enter(wheels(*control).at(component), QStringLiteral("2.5"));
    QCOMPARE(spies.total(), 1);
    QCOMPARE(spies[component].count(), 1);
    QCOMPARE(spies[component].first().first().toDouble(), 2.5);
    QCOMPARE(values(control.get()).at(component), 2.5);

    // 3D and 4D always apply relative entries themselves.
    enter(wheels(*control).at(component), QStringLiteral("*=3"));
    QCOMPARE(spies[component].count(), 2);
    QCOMPARE(values(control.get()).at(component), 7.5);
}

void tst_QZKVecControl::relativeEntry2D_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("op");
    QTest::addColumn<double>("operand");
    QTest::addColumn<double>("applied");

    QTest::newRow("x add") << 0 << "+=2" << int(RelativeOperatorAdd) << 2.0 << 6.0;
    QTest::newRow("y subtract") << 1 << "-=0.5" << int(RelativeOperatorSubtract) << 0.5 << 3.5;
    QTest::newRow("x multiply") << 0 << "*=3" << int(RelativeOperatorMultiply) << 3.0 << 12.0;
    QTest::newRow("y divide") << 1 << "/=8" << int(RelativeOperatorDivide) << 8.0 << 0.5;
    QTest::newRow("x set") << 0 << "=7" << int(RelativeOperatorSet) << 7.0 << 7.0;
}

void tst_QZKVecControl::relativeEntry2D()
{
    QFETCH(int, component);
    QFETCH(QString, text);
    QFETCH(int, op);
    QFETCH(double, operand);
    QFETCH(double, applied);

    QZKVec2Control control;
    control.setXY(4.0, 4.0);
    Spies spies(&control);
    struct Report
    {
        int component;
        RelativeOperator op;
        double operand;
    };
    QVector<Report> relative;
    connect(&control, &QZKVec2Control::relativeOperatorApplied, this,
            [&relative](int c, RelativeOperator o, double v) { relative.append({c, o, v}); });

    control.setRelativeOperatorHandlingMode(RelativeOperatorHandlingReport);
    QCOMPARE(control.relativeOperatorHandlingMode(), RelativeOperatorHandlingReport);
    enter(wheels(control).at(component), text);
    QCOMPARE(spies.total(), 0);
    QCOMPARE(relative.count(), 1);
    QCOMPARE(relative.first().component, component);
    QCOMPARE(int(relative.first().op), op);
    QCOMPARE(relative.first().operand, operand);
    QCOMPARE(control.getX(), 4.0);
    QCOMPARE(control.getY(), 4.0);

    control.setRelativeOperatorHandlingMode(RelativeOperatorHandlingApply);
    enter(wheels(control).at(component), text);
    QCOMPARE(relative.count(), 1);
    QCOMPARE(spies[component].count(), 1);
    QCOMPARE(spies[component].first().first().toDouble(), applied);
    QCOMPARE(component == 0 ? control.getX() : control.getY(), applied);
    QCOMPARE(component == 0 ? control.getY() : control.getX(), 4.0);
}

void tst_QZKVecControl::decimals()
{
    QZKVec3Control control;
    control.setDecimals(2);
    control.setXYZ(1.2345, -0.006, 2.0);
    QCOMPARE(control.getX(), 1.23);
    QCOMPARE(control.getY(), -0.01);

    QSignalSpy spy(&control, &QZKVec3Control::changedZ);
    enter(wheels(control).at(2), QStringLiteral("2.004"));
    QCOMPARE(spy.count(), 0); // rounds to the value it had
    enter(wheels(control).at(2), QStringLiteral("0.129"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toDouble(), 0.13);

    // Fewer decimals round what is there, silently.
    control.setDecimals(1);
    QCOMPARE(control.getX(), 1.2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(qobject_cast<QLineEdit *>(wheels(control).at(0)->focusProxy())->text(), QStringLiteral("1.2"));

    control.setDisplayDecimals(3);
    control.setDecimals(0);
    QCOMPARE(control.getX(), 1.0);
    QCOMPARE(qobject_cast<QLineEdit *>(wheels(control).at(0)->focusProxy())->text(), QStringLiteral("1.000"));
}

void tst_QZKVecControl::hiddenComponent()
{
    QZKVec4Control control;
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    const QList<QWidget *> all = wheels(control);

    control.setXVisible(false);
    control.setWVisible(false);
    QVERIFY(!all[0]->isVisible());
    QVERIFY(all[1]->isVisible());
    QVERIFY(!all[3]->isVisible());
    QVERIFY(!control.isComponentVisible(0));
    // Focus given to the widget goes to the first shown component.
    QCOMPARE(control.focusProxy(), all[1]);

    control.setXVisible(true);
    QCOMPARE(control.focusProxy(), all[0]);
}

void tst_QZKVecControl::orientationAndWheel()
{
    QZKVec2Control control;
    control.resize(400, 200);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    const QList<QWidget *> all = wheels(control);
    const auto thumbWheels = control.findChildren<QZKPrecisionWheel *>();
    QCOMPARE(thumbWheels.size(), 2);

    QCOMPARE(control.orientation(), int(QZKVectorEditor::Horizontal));
    QVERIFY(all[1]->geometry().left() > all[0]->geometry().right());

    control.setOrientation(1);
    control.setWheelVisible(true);
    QCoreApplication::sendPostedEvents();
    control.layout()->activate();
    QVERIFY(all[1]->geometry().top() > all[0]->geometry().bottom());
    for (const QZKPrecisionWheel *thumbWheel : thumbWheels)
        QVERIFY(thumbWheel->isVisible());

    control.setOrientation(0);
    control.setWheelVisible(false);
    control.layout()->activate();
    QVERIFY(all[1]->geometry().left() > all[0]->geometry().right());
    for (const QZKPrecisionWheel *thumbWheel : thumbWheels)
        QVERIFY(!thumbWheel->isVisible());
    // The fields stay usable.
    QVERIFY(all[0]->focusProxy()->isVisible());
}

void tst_QZKVecControl::multiSelectHighlight()
{
    QZKVec3Control control;
    const QList<QWidget *> all = wheels(control);
    control.setMultiSelectHighlight(1, true);

    const auto highlighted = [](const QWidget *wheel) {
        if (!wheel->property("multiselect").toBool())
            return false;
        const QList<QWidget *> parts = wheel->findChildren<QWidget *>();
        return std::all_of(parts.begin(), parts.end(),
                           [](const QWidget *part) { return part->property("multiselect").toBool(); });
    };
    QVERIFY(!highlighted(all[0]));
    QVERIFY(highlighted(all[1]));
    QVERIFY(!highlighted(all[2]));

    control.setMultiSelectHighlight(1, false);
    QVERIFY(!highlighted(all[1]));
    control.setMultiSelectHighlight(7, true); // no such component
}

void tst_QZKVecControl::labels()
{
    QZKVec3Control control3;
    QCOMPARE(control3.subLabels(), (QStringList{"X", "Y", "Z"}));
    control3.setLabel(QZKVec3Control::LabelRGB);
    QCOMPARE(control3.subLabels(), (QStringList{"R", "G", "B"}));
    QCOMPARE(control3.vectorLabel(), QZKVec3Control::LabelRGB);
    control3.setLabel(QZKVec3Control::LabelNone);
    QCOMPARE(control3.subLabels(), (QStringList{"", "", ""}));
    control3.setLabel(QStringLiteral("Position"));
    QCOMPARE(control3.label(), QStringLiteral("Position"));

    QZKVec4Control control4;
    control4.setSubLabels({"A", "B", "C", "D", "E"});
    QCOMPARE(control4.subLabels(), (QStringList{"A", "B", "C", "D"}));
    control4.setSubLabels({"P"});
    QCOMPARE(control4.subLabels(), (QStringList{"P", "B", "C", "D"}));
}

QTEST_MAIN(tst_QZKVecControl)
#include "tst_QZKVecControl.moc"
