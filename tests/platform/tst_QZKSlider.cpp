#include <QZKSlider.h>

#include <QtTest>

namespace {

QLineEdit *fieldOf(const QZKSlider &slider)
{
    return slider.findChild<QLineEdit *>();
}

QPoint handleCenter(const QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

// QTest::mouseMove moves the cursor without the held button; a drag needs the button.
void dragTo(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The slider's signals in order, each with value() or the reported number at that time.
struct SignalLog
{
    explicit SignalLog(QZKSlider *slider)
    {
        const auto valueAt = [this, slider](const char *name) {
            return [this, slider, name] { append(name, slider->value()); };
        };
        const auto reported = [this](const char *name) { return [this, name](double v) { append(name, v); }; };
        QObject::connect(slider, &QZKSlider::sliderPressed, valueAt("pressed"));
        QObject::connect(slider, &QZKSlider::sliderMoved, reported("moved"));
        QObject::connect(slider, &QZKSlider::valueChanged, reported("changed"));
        QObject::connect(slider, &QZKSlider::sliderReleased, valueAt("released"));
        QObject::connect(slider, &QZKSlider::relativeOperatorApplied, [this](RelativeOperator op, double operand) {
            append("relative", operand);
            lastOperator = op;
        });
    }

    void append(const char *name, double value)
    {
        names << QLatin1String(name);
        values << value;
    }

    QStringList names;
    QList<double> values;
    RelativeOperator lastOperator = RelativeOperatorNone;
};

} // namespace

class tst_QZKSlider : public QObject
{
    Q_OBJECT
private slots:
    void setValueUnderBlockedSignals();
    void display_data();
    void display();
    void drag_data();
    void drag();
    void typedEntry_data();
    void typedEntry();
    void propagateMultiselectProperty();
};

void tst_QZKSlider::setValueUnderBlockedSignals()
{
    QZKSlider slider;
    slider.setRange(0.0, 10.0);
    QSignalSpy spy(&slider, &QZKSlider::valueChanged);

    slider.blockSignals(true);
    slider.setValue(4.5);
    slider.blockSignals(false);
    QTest::qWait(50);

    QCOMPARE(spy.count(), 0);
    QCOMPARE(slider.value(), 4.5);
    QCOMPARE(fieldOf(slider)->text(), QStringLiteral("4.50"));
    QCOMPARE(slider.findChild<QSlider *>()->value(), 450);
}

void tst_QZKSlider::display_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<int>("displayDecimals");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expectedValue");
    QTest::addColumn<QString>("text");

    QTest::newRow("decimals") << 3 << -1 << QString() << 1.2345 << 1.235 << "1.235";
    QTest::newRow("fewer shown") << 3 << 1 << QString() << 1.24 << 1.24 << "1.2";
    QTest::newRow("suffix") << 2 << 2 << " mm" << 12.5 << 12.5 << "12.50 mm";
    QTest::newRow("clamped") << 0 << 0 << QStringLiteral("°") << 450.0 << 100.0 << QStringLiteral("100°");
    QTest::newRow("no negative zero") << 3 << 1 << QString() << -0.001 << -0.001 << "0.0";
}

void tst_QZKSlider::display()
{
    QFETCH(int, decimals);
    QFETCH(int, displayDecimals);
    QFETCH(QString, suffix);
    QFETCH(double, value);
    QFETCH(double, expectedValue);
    QFETCH(QString, text);

    QZKSlider slider;
    slider.setRange(-100.0, 100.0);
    slider.setDecimals(decimals);
    slider.setDisplayDecimals(displayDecimals);
    slider.setSuffix(suffix);
    slider.setValue(value);
    QCOMPARE(slider.value(), expectedValue);
    QCOMPARE(fieldOf(slider)->text(), text);
}

void tst_QZKSlider::drag_data()
{
    QTest::addColumn<bool>("tracking");
    QTest::newRow("tracking") << true;
    QTest::newRow("no tracking") << false;
}

void tst_QZKSlider::drag()
{
    QFETCH(bool, tracking);

    QZKSlider slider;
    slider.setRange(0.0, 1.0);
    slider.setTracking(tracking);
    slider.resize(320, 30);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    SignalLog log(&slider);

    QSlider *groove = slider.findChild<QSlider *>();
    const QPoint start = handleCenter(groove);
    QTest::mousePress(groove, Qt::LeftButton, {}, start);
    for (int dx : {20, 40, 60})
        dragTo(groove, start + QPoint(dx, 0));
    QTest::mouseRelease(groove, Qt::LeftButton, {}, start + QPoint(60, 0));

    QCOMPARE(log.names.first(), QStringLiteral("pressed"));
    QCOMPARE(log.names.last(), QStringLiteral("released"));
    QCOMPARE(log.names.count(QStringLiteral("moved")), 3);
    // Changes come before the release: a receiver writing value() on release writes once.
    QCOMPARE(log.names.count(QStringLiteral("changed")), tracking ? 3 : 1);
    QCOMPARE(log.names.at(log.names.size() - 2), QStringLiteral("changed"));

    const double lastMove = log.values.at(log.names.lastIndexOf(QStringLiteral("moved")));
    QVERIFY(lastMove > 0.0);
    QCOMPARE(log.values.last(), lastMove);
}

void tst_QZKSlider::typedEntry_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("signalName");
    QTest::addColumn<double>("reported");
    QTest::addColumn<int>("op");
    QTest::addColumn<double>("finalValue");

    const int none = RelativeOperatorNone;
    QTest::newRow("0: add") << 0 << "+=2" << "changed" << 12.0 << none << 12.0;
    QTest::newRow("0: divide") << 0 << "/=4" << "changed" << 2.5 << none << 2.5;
    QTest::newRow("0: clamped") << 0 << "*=3" << "changed" << 20.0 << none << 20.0;
    QTest::newRow("0: divide by zero") << 0 << "/=0" << QString() << 0.0 << none << 10.0;
    QTest::newRow("0: plain number") << 0 << "7 mm" << "changed" << 7.0 << none << 7.0;
    QTest::newRow("1: add") << 1 << "+=2" << "relative" << 2.0 << int(RelativeOperatorAdd) << 10.0;
    QTest::newRow("1: set") << 1 << "=5" << "relative" << 5.0 << int(RelativeOperatorSet) << 10.0;
    QTest::newRow("1: plain number") << 1 << "7" << "changed" << 7.0 << none << 7.0;
    QTest::newRow("garbage") << 0 << "abc" << QString() << 0.0 << none << 10.0;
}

void tst_QZKSlider::typedEntry()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, signalName);
    QFETCH(double, reported);
    QFETCH(int, op);
    QFETCH(double, finalValue);

    QZKSlider slider;
    slider.setRange(0.0, 20.0);
    slider.setSuffix(QStringLiteral(" mm"));
    slider.setValue(10.0);
    slider.setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode(mode));
    SignalLog log(&slider);

    QLineEdit *field = fieldOf(slider);
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);

    QCOMPARE(log.names, signalName.isEmpty() ? QStringList() : QStringList{signalName});
    if (!signalName.isEmpty())
        QCOMPARE(log.values.first(), reported);
    QCOMPARE(int(log.lastOperator), op);
    QCOMPARE(slider.value(), finalValue);
    QCOMPARE(field->text(), QString::number(finalValue, 'f', 2) + QStringLiteral(" mm"));
}

void tst_QZKSlider::propagateMultiselectProperty()
{
    // The style sheet takes effect only if the parts are re-polished.
    QZKSlider slider;
    slider.setStyleSheet(QStringLiteral("QLineEdit[multiselect=\"true\"] { color: rgb(255, 0, 0); }"));
    QLineEdit *field = fieldOf(slider);

    for (bool on : {true, false}) {
        slider.setProperty("multiselect", on);
        slider.propagateMultiselectProperty();
        QCOMPARE(field->property("multiselect"), QVariant(on));
        QCOMPARE(slider.findChild<QSlider *>()->property("multiselect"), QVariant(on));
        QCOMPARE(field->palette().color(QPalette::Text) == QColor(255, 0, 0), on);
    }
}

QTEST_MAIN(tst_QZKSlider)
#include "tst_QZKSlider.moc"
