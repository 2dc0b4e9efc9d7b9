#include <QZKDoubleSpiner.h>
#include <QZKIntegerSlider.h>
#include <QZKSpiner.h>
#include <QZKWhiteBalance.h>

#include <QtTest>

using Check = void (*)();
Q_DECLARE_METATYPE(Check)

namespace {

QPoint arrowCenter(QAbstractSpinBox *spinBox, QStyle::SubControl arrow)
{
    QStyleOptionSpinBox option;
    option.initFrom(spinBox);
    option.frame = spinBox->hasFrame();
    option.buttonSymbols = spinBox->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp
            | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    return spinBox->style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, spinBox).center();
}

// An arrow held past the repeat threshold and several repeat intervals steps once.
template <typename Spinner>
void checkHeldArrow(QStyle::SubControl arrow, double expected)
{
    Spinner spinner;
    spinner.setRange(0, 100);
    spinner.setValue(10);
    spinner.setAutoStepsOnMousePress(false);
    spinner.resize(120, 30);
    spinner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spinner));
    const QPoint pos = arrowCenter(&spinner, arrow);
    QTest::mousePress(&spinner, Qt::LeftButton, {}, pos);
    QTest::qWait(spinner.style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold) + 400);
    QTest::mouseRelease(&spinner, Qt::LeftButton, {}, pos);
    QCOMPARE(double(spinner.value()), expected);
}

// QZKIntegerSlider and QZKWhiteBalance keep a slider and a spin box in step with one value.
template <typename Widget>
void checkPartsInStep()
{
    Widget widget(nullptr);
    widget.setMinimum(2000);
    widget.setMaximum(10000);
    widget.setStep(100);
    widget.setValue(5000);
    QSignalSpy spy(&widget, &Widget::valueChanged);
    auto *slider = widget.template findChild<QSlider *>();
    auto *spinBox = widget.template findChild<QSpinBox *>();

    QTest::keyClick(spinBox, Qt::Key_Up);
    QCOMPARE(slider->value(), 5100);
    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(spinBox->value(), 5000);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 5100);
    QCOMPARE(spy.at(1).at(0).toInt(), 5000);

    // A value set under blocked signals still reaches both parts.
    widget.blockSignals(true);
    widget.setValue(3200);
    widget.blockSignals(false);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(widget.value(), 3200);
    QCOMPARE(slider->value(), 3200);
    QCOMPARE(spinBox->value(), 3200);
}

// The integer slider's spin box takes values up to the hard range, beyond the slider's ends.
void checkHardRange(const QString &text, int sliderPosition)
{
    QZKIntegerSlider slider;
    slider.setMinimum(10);
    slider.setMaximum(100);
    slider.setHardMinimum(0);
    slider.setHardMaximum(1000);
    slider.setValue(20);
    QSignalSpy spy(&slider, &QZKIntegerSlider::valueChanged);
    QSpinBox *spinBox = slider.findChild<QSpinBox *>();
    spinBox->selectAll();
    QTest::keyClicks(spinBox, text);
    QTest::keyClick(spinBox, Qt::Key_Return);

    QCOMPARE(slider.value(), text.toInt());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), text.toInt());
    QCOMPARE(slider.findChild<QSlider *>()->value(), sliderPosition);
}

} // namespace

class tst_QZKSpinBoxes : public QObject
{
    Q_OBJECT
private slots:
    void edits_data();
    void edits();
};

void tst_QZKSpinBoxes::edits_data()
{
    QTest::addColumn<Check>("check");
    QTest::newRow("held arrow up") << Check([] { checkHeldArrow<QZKSpiner>(QStyle::SC_SpinBoxUp, 11); });
    QTest::newRow("held arrow down") << Check([] { checkHeldArrow<QZKSpiner>(QStyle::SC_SpinBoxDown, 9); });
    QTest::newRow("double, held arrow up") << Check([] { checkHeldArrow<QZKDoubleSpiner>(QStyle::SC_SpinBoxUp, 11); });
    QTest::newRow("integer slider parts in step") << &checkPartsInStep<QZKIntegerSlider>;
    QTest::newRow("white balance parts in step") << &checkPartsInStep<QZKWhiteBalance>;
    QTest::newRow("typed above the soft range") << Check([] { checkHardRange(QStringLiteral("400"), 100); });
    QTest::newRow("typed below the soft range") << Check([] { checkHardRange(QStringLiteral("5"), 10); });
}

void tst_QZKSpinBoxes::edits()
{
    QFETCH(Check, check);
    check();
}

QTEST_MAIN(tst_QZKSpinBoxes)
#include "tst_QZKSpinBoxes.moc"
