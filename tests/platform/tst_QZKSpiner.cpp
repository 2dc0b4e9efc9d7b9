#include <QZKDoubleSpiner.h>
#include <QZKSpiner.h>

#include <QtTest>

#include <memory>

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

template <typename Spinner>
std::unique_ptr<QAbstractSpinBox> makeSpinner()
{
    auto spinner = std::make_unique<Spinner>();
    spinner->setRange(0, 100);
    spinner->setValue(10);
    spinner->setAutoStepsOnMousePress(false);
    return spinner;
}

double valueOf(const QAbstractSpinBox &spinBox)
{
    return spinBox.property("value").toDouble();
}

} // namespace

class tst_QZKSpiner : public QObject
{
    Q_OBJECT
private slots:
    void holdArrow_data();
    void holdArrow();
};

void tst_QZKSpiner::holdArrow_data()
{
    QTest::addColumn<bool>("isDouble");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<double>("step");

    QTest::newRow("int, single step up") << false << int(QStyle::SC_SpinBoxUp) << 1.0;
    QTest::newRow("int, single step down") << false << int(QStyle::SC_SpinBoxDown) << -1.0;
    QTest::newRow("double, single step up") << true << int(QStyle::SC_SpinBoxUp) << 1.0;
}

void tst_QZKSpiner::holdArrow()
{
    QFETCH(bool, isDouble);
    QFETCH(int, arrow);
    QFETCH(double, step);

    const std::unique_ptr<QAbstractSpinBox> spinner = isDouble ? makeSpinner<QZKDoubleSpiner>() : makeSpinner<QZKSpiner>();
    spinner->resize(120, 30);
    spinner->show();
    QVERIFY(QTest::qWaitForWindowExposed(spinner.get()));

    const QPoint pos = arrowCenter(spinner.get(), QStyle::SubControl(arrow));
    QTest::mousePress(spinner.get(), Qt::LeftButton, {}, pos);
    // Held longer than the repeat threshold and several repeat intervals: still one step.
    QTest::qWait(spinner->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold) + 400);
    QTest::mouseRelease(spinner.get(), Qt::LeftButton, {}, pos);

    QCOMPARE(valueOf(*spinner), 10.0 + step);
}

QTEST_MAIN(tst_QZKSpiner)
#include "tst_QZKSpiner.moc"
