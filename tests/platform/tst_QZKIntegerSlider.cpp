#include <QZKIntegerSlider.h>

#include <QtTest>

namespace {

void typeEntry(QSpinBox *spinBox, const QString &text)
{
    spinBox->selectAll();
    QTest::keyClicks(spinBox, text);
    QTest::keyClick(spinBox, Qt::Key_Return);
}

} // namespace

class tst_QZKIntegerSlider : public QObject
{
    Q_OBJECT
private slots:
    void typedValue_data();
    void typedValue();
    void setValueUnderBlockedSignals();
};

void tst_QZKIntegerSlider::typedValue_data()
{
    QTest::addColumn<int>("hardMinimum");
    QTest::addColumn<int>("hardMaximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("sliderPosition");

    // -1: no hard range.
    QTest::newRow("inside the soft range") << -1 << -1 << "40" << 40 << 40;
    QTest::newRow("beyond, within the hard range") << 0 << 1000 << "400" << 400 << 100;
    QTest::newRow("below the soft minimum") << 0 << 1000 << "5" << 5 << 10;
}

void tst_QZKIntegerSlider::typedValue()
{
    QFETCH(int, hardMinimum);
    QFETCH(int, hardMaximum);
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(int, sliderPosition);

    QZKIntegerSlider slider;
    slider.setMinimum(10);
    slider.setMaximum(100);
    if (hardMinimum >= 0) {
        slider.setHardMinimum(hardMinimum);
        slider.setHardMaximum(hardMaximum);
    }
    slider.setValue(20);
    QSignalSpy spy(&slider, &QZKIntegerSlider::valueChanged);

    typeEntry(slider.findChild<QSpinBox *>(), text);

    QCOMPARE(slider.value(), expected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), expected);
    QCOMPARE(slider.findChild<QSlider *>()->value(), sliderPosition);
}

void tst_QZKIntegerSlider::setValueUnderBlockedSignals()
{
    QZKIntegerSlider slider;
    QSignalSpy spy(&slider, &QZKIntegerSlider::valueChanged);
    slider.blockSignals(true);
    slider.setValue(30);
    slider.blockSignals(false);
    QTest::qWait(20);

    QCOMPARE(spy.count(), 0);
    QCOMPARE(slider.value(), 30);
    QCOMPARE(slider.findChild<QSpinBox *>()->value(), 30);
    QCOMPARE(slider.findChild<QSlider *>()->value(), 30);
}

QTEST_MAIN(tst_QZKIntegerSlider)
#include "tst_QZKIntegerSlider.moc"
