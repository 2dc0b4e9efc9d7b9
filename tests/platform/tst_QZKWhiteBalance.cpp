#include <QZKWhiteBalance.h>

#include <QtTest>

class tst_QZKWhiteBalance : public QObject
{
    Q_OBJECT
private slots:
    void editsKeepPartsInStep();
    void setValueUnderBlockedSignals();
};

void tst_QZKWhiteBalance::editsKeepPartsInStep()
{
    QZKWhiteBalance balance(nullptr, "whiteBalance");
    balance.setMinimum(2000);
    balance.setMaximum(10000);
    balance.setStep(100);
    balance.setValue(5000);
    QSignalSpy spy(&balance, &QZKWhiteBalance::valueChanged);
    QSlider *slider = balance.findChild<QSlider *>();
    QSpinBox *spinBox = balance.findChild<QSpinBox *>();

    QTest::keyClick(spinBox, Qt::Key_Up);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 5100);
    QCOMPARE(slider->value(), 5100);

    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 5000);
    QCOMPARE(spinBox->value(), 5000);
    QCOMPARE(balance.value(), 5000);
}

void tst_QZKWhiteBalance::setValueUnderBlockedSignals()
{
    QZKWhiteBalance balance(nullptr);
    QSignalSpy spy(&balance, &QZKWhiteBalance::valueChanged);
    balance.blockSignals(true);
    balance.setValue(3200);
    balance.blockSignals(false);
    QTest::qWait(20);

    QCOMPARE(spy.count(), 0);
    QCOMPARE(balance.value(), 3200);
    QCOMPARE(balance.findChild<QSpinBox *>()->value(), 3200);
}

QTEST_MAIN(tst_QZKWhiteBalance)
#include "tst_QZKWhiteBalance.moc"
