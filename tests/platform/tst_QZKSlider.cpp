#include <QZKSlider.h>

#include <QtTest>

class tst_QZKSlider : public QObject
{
    Q_OBJECT
private slots:
    void setValue_data();
    void setValue();
    void drag_data();
    void drag();
    void typedEntry_data();
    void typedEntry();
    void propagateMultiselectProperty();
};

void tst_QZKSlider::setValue_data()
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

void tst_QZKSlider::setValue()
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
    QSignalSpy spy(&slider, &QZKSlider::valueChanged);
    // As rows refresh their editors: the parts follow, nothing is reported.
    slider.blockSignals(true);
    slider.setValue(value);
    slider.blockSignals(false);

    QCOMPARE(spy.count(), 0);
    QCOMPARE(slider.value(), expectedValue);
    QCOMPARE(slider.findChild<QLineEdit *>()->text(), text);
    const QSlider *bar = slider.findChild<QSlider *>();
    QVERIFY(qAbs(double(bar->value()) / bar->maximum() - (expectedValue + 100.0) / 200.0) < 1e-4);
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
    // The signals in order, each with value() or the reported number at that time.
    QStringList names;
    QList<double> values;
    const auto log = [&](const char *name, double value) {
        names << QLatin1String(name);
        values << value;
    };
    connect(&slider, &QZKSlider::sliderPressed, this, [&] { log("pressed", slider.value()); });
    connect(&slider, &QZKSlider::sliderMoved, this, [&](double value) { log("moved", value); });
    connect(&slider, &QZKSlider::valueChanged, this, [&](double value) { log("changed", value); });
    connect(&slider, &QZKSlider::sliderReleased, this, [&] { log("released", slider.value()); });

    QSlider *groove = slider.findChild<QSlider *>();
    groove->setSliderDown(true);
    for (int step : {1, 2, 3})
        groove->setSliderPosition(step * groove->maximum() / 4);
    groove->setSliderDown(false);

    // Changes come before the release: a receiver writing value() on release writes once.
    const QStringList changes = tracking ? QStringList{"moved", "changed", "moved", "changed", "moved", "changed"}
                                         : QStringList{"moved", "moved", "moved", "changed"};
    QCOMPARE(names, QStringList{"pressed"} + changes + QStringList{"released"});
    QCOMPARE(values.first(), 0.0);
    QCOMPARE(values.at(values.size() - 2), 0.75);
    QCOMPARE(values.last(), 0.75);
}

void tst_QZKSlider::typedEntry_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("op"); // reported unapplied, or RelativeOperatorNone
    QTest::addColumn<double>("operand");
    QTest::addColumn<double>("finalValue");

    const int none = RelativeOperatorNone;
    QTest::newRow("0: add") << 0 << "+=2" << none << 0.0 << 12.0;
    QTest::newRow("0: clamped") << 0 << "*=3" << none << 0.0 << 20.0;
    QTest::newRow("0: divide by zero") << 0 << "/=0" << none << 0.0 << 10.0;
    QTest::newRow("0: plain number") << 0 << "7 mm" << none << 0.0 << 7.0;
    QTest::newRow("1: add") << 1 << "+=2" << int(RelativeOperatorAdd) << 2.0 << 10.0;
    QTest::newRow("1: plain number") << 1 << "7" << none << 0.0 << 7.0;
    QTest::newRow("garbage") << 0 << "abc" << none << 0.0 << 10.0;
}

void tst_QZKSlider::typedEntry()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(int, op);
    QFETCH(double, operand);
    QFETCH(double, finalValue);

    QZKSlider slider;
    slider.setRange(0.0, 20.0);
    slider.setSuffix(QStringLiteral(" mm"));
    slider.setValue(10.0);
    slider.setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode(mode));
    QSignalSpy changes(&slider, &QZKSlider::valueChanged);
    QSignalSpy relatives(&slider, &QZKSlider::relativeOperatorApplied);

    auto *field = slider.findChild<QLineEdit *>();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);

    QCOMPARE(slider.value(), finalValue);
    QCOMPARE(changes.count(), finalValue == 10.0 ? 0 : 1);
    if (!changes.isEmpty())
        QCOMPARE(changes.first().first().toDouble(), finalValue);
    QCOMPARE(relatives.count(), op == RelativeOperatorNone ? 0 : 1);
    if (!relatives.isEmpty()) {
        QCOMPARE(int(relatives.first().at(0).value<RelativeOperator>()), op);
        QCOMPARE(relatives.first().at(1).toDouble(), operand);
    }
    // The field falls back to the value when an entry is reported or rejected.
    QCOMPARE(field->text(), QString::number(finalValue, 'f', 2) + QStringLiteral(" mm"));
}

void tst_QZKSlider::propagateMultiselectProperty()
{
    // The style sheet takes effect only if the parts are re-polished.
    QZKSlider slider;
    slider.setStyleSheet(QStringLiteral("QLineEdit[multiselect=\"true\"] { color: rgb(255, 0, 0); }"));
    auto *field = slider.findChild<QLineEdit *>();
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
