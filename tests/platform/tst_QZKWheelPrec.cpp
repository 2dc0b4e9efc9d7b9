#include <QZKPrecisionWheel.h>
#include <QZKWheelPrec.h>

#include <QtTest>

namespace {

QLineEdit *fieldOf(const QZKWheelPrec &wheel)
{
    return wheel.findChild<QLineEdit *>();
}

void typeEntry(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void drag(QWidget *widget, int dx, Qt::KeyboardModifiers modifiers)
{
    const QPoint start = widget->rect().center();
    QTest::mousePress(widget, Qt::LeftButton, modifiers, start);
    const QPoint end = start + QPoint(dx, 0);
    QMouseEvent move(QEvent::MouseMove, end, widget->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, modifiers, end);
}

} // namespace

class tst_QZKWheelPrec : public QObject
{
    Q_OBJECT
private slots:
    void nameAndFocus();
    void displayDecimals();
    void turn_data();
    void turn();
    void typedEntry_data();
    void typedEntry();
};

void tst_QZKWheelPrec::nameAndFocus()
{
    // Containers find their focusable wheels by this name.
    QWidget container;
    auto *wheel = new QZKWheelPrec(&container);
    const QList<QWidget *> found = container.findChildren<QWidget *>(QStringLiteral("QZKWheelPrec"));
    QCOMPARE(found, QList<QWidget *>{wheel});

    QVERIFY(wheel->focusPolicy() != Qt::NoFocus);
    QCOMPARE(wheel->focusProxy(), fieldOf(*wheel));
    QVERIFY(fieldOf(*wheel)->focusPolicy() & Qt::TabFocus);
}

void tst_QZKWheelPrec::displayDecimals()
{
    QZKWheelPrec wheel;
    wheel.setSuffix(QStringLiteral(" m"));
    wheel.setDisplayDecimals(1);
    wheel.setDisplayDecimals(-1);
    wheel.setValue(1.26);
    QCOMPARE(wheel.displayDecimals(), 1);
    QCOMPARE(fieldOf(wheel)->text(), QStringLiteral("1.3 m"));
}

void tst_QZKWheelPrec::turn_data()
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

void tst_QZKWheelPrec::turn()
{
    QFETCH(int, dx);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(double, expected);

    QZKWheelPrec wheel;
    wheel.setRange(-5.0, 5.0);
    wheel.setSingleStep(0.1);
    wheel.setValue(1.0);
    QSignalSpy spy(&wheel, &QZKWheelPrec::valueChanged);

    drag(wheel.findChild<QZKPrecisionWheel *>(), dx, modifiers);

    QCOMPARE(wheel.value(), expected);
    QCOMPARE(spy.count(), expected == 1.0 ? 0 : 1);
}

void tst_QZKWheelPrec::typedEntry_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("valueChanges");
    QTest::addColumn<int>("op");
    QTest::addColumn<double>("finalValue");

    QTest::newRow("0: add") << 0 << "+=2" << 1 << int(RelativeOperatorNone) << 6.0;
    QTest::newRow("1: add") << 1 << "+=2" << 0 << int(RelativeOperatorAdd) << 4.0;
    QTest::newRow("1: divide") << 1 << "/=2" << 0 << int(RelativeOperatorDivide) << 4.0;
}

void tst_QZKWheelPrec::typedEntry()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(int, valueChanges);
    QFETCH(int, op);
    QFETCH(double, finalValue);

    QZKWheelPrec wheel;
    wheel.setValue(4.0);
    wheel.setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode(mode));
    QSignalSpy changes(&wheel, &QZKWheelPrec::valueChanged);
    QSignalSpy relatives(&wheel, &QZKWheelPrec::relativeOperatorApplied);

    typeEntry(fieldOf(wheel), text);

    QCOMPARE(changes.count(), valueChanges);
    QCOMPARE(relatives.count(), op == RelativeOperatorNone ? 0 : 1);
    if (!relatives.isEmpty())
        QCOMPARE(int(relatives.at(0).at(0).value<RelativeOperator>()), op);
    QCOMPARE(wheel.value(), finalValue);
    QCOMPARE(fieldOf(wheel)->text(), QString::number(finalValue, 'f', 3));
}

QTEST_MAIN(tst_QZKWheelPrec)
#include "tst_QZKWheelPrec.moc"
