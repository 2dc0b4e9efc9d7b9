#include <QZKVec2SliderControl.h>
#include <QZKVec3SliderControl.h>
#include <QZKVec4SliderControl.h>

#include <QLineEdit>
#include <QtTest>

namespace {
QList<QZKSlider *> sliders(const QWidget &control)
{
    return control.findChildren<QZKSlider *>();
}

// Types text into a slider's field and confirms it.
void enter(QZKSlider *slider, const QString &text)
{
    auto *field = qobject_cast<QLineEdit *>(slider->focusProxy());
    QVERIFY(field);
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}
}

class tst_QZKVecSliderControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void setValueReportsOnce();
    void blockedSignalsEmitNothing();
    void componentEditReportsWholeVector_data();
    void componentEditReportsWholeVector();
    void rangeEndsInAnyOrder();
    void decimalsPerComponent();
    void subLabels();
};

void tst_QZKVecSliderControl::setValueReportsOnce()
{
    QZKVec3SliderControl control;
    QSignalSpy spy(&control, &QZKVec3SliderControl::changed);
    control.setValue(QVector3D(1, 2, 3));
    QCOMPARE(control.value(), QVector3D(1, 2, 3));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<QVector3D>(), QVector3D(1, 2, 3));

    control.setValue(QVector3D(1, 2, 3));
    QCOMPARE(spy.count(), 1);
}

void tst_QZKVecSliderControl::blockedSignalsEmitNothing()
{
    QZKVec4SliderControl control;
    QSignalSpy spy(&control, &QZKVec4SliderControl::changed);
    control.blockSignals(true);
    control.setValue(QVector4D(1, 2, 3, 4));
    control.setMaximum(QVector4D(2, 2, 2, 2));
    control.blockSignals(false);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(control.value(), QVector4D(1, 2, 2, 2));
}

void tst_QZKVecSliderControl::componentEditReportsWholeVector_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<QVector4D>("expected");
    QTest::newRow("x") << 0 << QVector4D(50, 20, 30, 40);
    QTest::newRow("w") << 3 << QVector4D(10, 20, 30, 50);
}

void tst_QZKVecSliderControl::componentEditReportsWholeVector()
{
    QFETCH(int, component);
    QFETCH(QVector4D, expected);

    QZKVec4SliderControl control;
    control.setValue(QVector4D(10, 20, 30, 40));
    QSignalSpy spy(&control, &QZKVec4SliderControl::changed);
    enter(sliders(control).at(component), QStringLiteral("50"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<QVector4D>(), expected);
}

// The sliders take a range as a pair; the vector setters must not lose one end to the other.
void tst_QZKVecSliderControl::rangeEndsInAnyOrder()
{
    QZKVec2SliderControl control;
    control.setMaximum(QVector2D(-5, 500));
    control.setMinimum(QVector2D(-10, 200));
    control.setValue(QVector2D(-100, 1000));
    QCOMPARE(control.value(), QVector2D(-10, 500));
    control.setValue(QVector2D(100, 0));
    QCOMPARE(control.value(), QVector2D(-5, 200));
    QCOMPARE(sliders(control).at(0)->minimum(), -10.0);
    QCOMPARE(sliders(control).at(0)->maximum(), -5.0);
}

void tst_QZKVecSliderControl::decimalsPerComponent()
{
    QZKVec2SliderControl control;
    control.setDecimals(QZKIntVector2D(0, 2));
    control.setDisplayDecimals(QZKIntVector2D(1, 3));
    control.setValue(QVector2D(1.26f, 1.26f));
    QCOMPARE(control.value(), QVector2D(1.0f, 1.26f));
    QCOMPARE(qobject_cast<QLineEdit *>(sliders(control).at(1)->focusProxy())->text(),
             QStringLiteral("1.260"));
}

void tst_QZKVecSliderControl::subLabels()
{
    QZKVec3SliderControl control;
    QCOMPARE(control.subLabels(), (QStringList{"X", "Y", "Z"}));
    control.setSubLabels({"R", "G", "B"});
    QCOMPARE(control.subLabels(), (QStringList{"R", "G", "B"}));
}

QTEST_MAIN(tst_QZKVecSliderControl)
#include "tst_QZKVecSliderControl.moc"
