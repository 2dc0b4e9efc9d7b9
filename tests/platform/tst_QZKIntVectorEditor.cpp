#include <QZKIntVector2DSlider.h>
#include <QZKIntVector2DSpiner.h>
#include <QZKIntVector3DSlider.h>
#include <QZKIntVector3DSpiner.h>
#include <QZKIntVector4DSlider.h>
#include <QZKIntVector4DSpiner.h>

#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace {
QList<QSpinBox *> spinBoxes(const QWidget &widget)
{
    return widget.findChildren<QSpinBox *>();
}

// setValue reports the new vector once, through changed and value(); setting it again does not.
template <typename Editor, typename Vector>
void checkSetValue(const Vector &maximum, const Vector &value)
{
    Editor editor;
    editor.setMaximum(maximum);
    QSignalSpy spy(&editor, &Editor::changed);
    editor.setValue(value);
    QCOMPARE(editor.value(), value);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().template value<Vector>(), value);
    editor.setValue(value);
    QCOMPARE(spy.count(), 1);

    editor.blockSignals(true);
    editor.setValue(Vector());
    editor.blockSignals(false);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(editor.value(), Vector());
}
}

class tst_QZKIntVectorEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void setValue_data();
    void setValue();
    void rangeClampsSilently();
    void typedComponentReportsWholeVector();
    void spinnerPageStep();
    void spinnerTracking();
    void sliderSteps();
};

void tst_QZKIntVectorEditor::setValue_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"2DSlider", "3DSlider", "4DSlider", "2DSpiner", "3DSpiner", "4DSpiner"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_QZKIntVectorEditor::setValue()
{
    QFETCH(QString, kind);

    const QZKIntVector2D max2(1000, 1000), value2(3, 999);
    const QZKIntVector3D max3(1000, 1000, 1000), value3(3, 999, 7);
    const QZKIntVector4D max4(1000, 1000, 1000, 1000), value4(3, 999, 7, 1);
    if (kind == QLatin1String("2DSlider"))
        checkSetValue<QZKIntVector2DSlider>(max2, value2);
    else if (kind == QLatin1String("3DSlider"))
        checkSetValue<QZKIntVector3DSlider>(max3, value3);
    else if (kind == QLatin1String("4DSlider"))
        checkSetValue<QZKIntVector4DSlider>(max4, value4);
    else if (kind == QLatin1String("2DSpiner"))
        checkSetValue<QZKIntVector2DSpiner>(max2, value2);
    else if (kind == QLatin1String("3DSpiner"))
        checkSetValue<QZKIntVector3DSpiner>(max3, value3);
    else
        checkSetValue<QZKIntVector4DSpiner>(max4, value4);
}

void tst_QZKIntVectorEditor::rangeClampsSilently()
{
    QZKIntVector3DSpiner spiner;
    spiner.setMinimum(QZKIntVector3D(-50, -50, -50));
    spiner.setValue(QZKIntVector3D(-40, 40, 90));
    QSignalSpy spy(&spiner, &QZKIntVector3DSpiner::changed);
    spiner.setMinimum(QZKIntVector3D(-20, 0, 0));
    spiner.setMaximum(QZKIntVector3D(20, 20, 20));
    QCOMPARE(spiner.value(), QZKIntVector3D(-20, 20, 20));
    QCOMPARE(spy.count(), 0);
}

void tst_QZKIntVectorEditor::typedComponentReportsWholeVector()
{
    QZKIntVector2DSlider slider;
    slider.setMaximum(QZKIntVector2D(100, 100));
    slider.setValue(QZKIntVector2D(10, 20));
    QSignalSpy spy(&slider, &QZKIntVector2DSlider::changed);

    QSpinBox *y = spinBoxes(slider).at(1);
    y->selectAll();
    QTest::keyClicks(y, QStringLiteral("75"));
    QCOMPARE(spy.count(), 0); // not while typing
    QTest::keyClick(y, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<QZKIntVector2D>(), QZKIntVector2D(10, 75));
}

void tst_QZKIntVectorEditor::spinnerPageStep()
{
    QZKIntVector2DSpiner spiner;
    spiner.setMaximum(QZKIntVector2D(100, 100));
    spiner.setStep(QZKIntVector2D(1, 2));
    spiner.setPageStep(QZKIntVector2D(25, 5));
    QSignalSpy spy(&spiner, &QZKIntVector2DSpiner::changed);

    QTest::keyClick(spinBoxes(spiner).at(0), Qt::Key_PageUp);
    QTest::keyClick(spinBoxes(spiner).at(1), Qt::Key_PageUp);
    QTest::keyClick(spinBoxes(spiner).at(1), Qt::Key_Up);
    QCOMPARE(spiner.value(), QZKIntVector2D(25, 7));
    QTest::keyClick(spinBoxes(spiner).at(0), Qt::Key_PageDown);
    QCOMPARE(spiner.value(), QZKIntVector2D(0, 7));
    QCOMPARE(spy.count(), 4);
}

void tst_QZKIntVectorEditor::spinnerTracking()
{
    QZKIntVector2DSpiner spiner;
    spiner.setMaximum(QZKIntVector2D(1000, 1000));
    spiner.setTracking(true);
    QSignalSpy spy(&spiner, &QZKIntVector2DSpiner::changed);
    QSpinBox *x = spinBoxes(spiner).at(0);
    x->selectAll();
    QTest::keyClicks(x, QStringLiteral("150"));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(1).first().value<QZKIntVector2D>(), QZKIntVector2D(15, 0));
}

void tst_QZKIntVectorEditor::sliderSteps()
{
    QZKIntVector2DSlider slider;
    slider.setStep(QZKIntVector2D(5, 1));
    slider.setPageStep(QZKIntVector2D(30, 10));
    QList<QSlider *> bars = slider.findChildren<QSlider *>();
    QCOMPARE(bars.size(), 2);
    QTest::keyClick(bars.at(0), Qt::Key_Right);
    QTest::keyClick(bars.at(1), Qt::Key_PageUp);
    QCOMPARE(slider.value(), QZKIntVector2D(5, 10));
}

QTEST_MAIN(tst_QZKIntVectorEditor)
#include "tst_QZKIntVectorEditor.moc"
