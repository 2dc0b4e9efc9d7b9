#include <zkRelativeEntry.h>

#include <QtTest>

class tst_zkRelativeEntry : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void tst_zkRelativeEntry::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("op");
    QTest::addColumn<double>("operand");

    QTest::newRow("add") << "+=2" << QString() << int(RelativeOperatorAdd) << 2.0;
    QTest::newRow("subtract") << "-=0.5" << QString() << int(RelativeOperatorSubtract) << 0.5;
    QTest::newRow("multiply") << "*=3" << QString() << int(RelativeOperatorMultiply) << 3.0;
    QTest::newRow("divide") << "/=2" << QString() << int(RelativeOperatorDivide) << 2.0;
    QTest::newRow("set") << "=5" << QString() << int(RelativeOperatorSet) << 5.0;
    QTest::newRow("negative operand") << "+=-1.5" << QString() << int(RelativeOperatorAdd) << -1.5;
    QTest::newRow("decimal comma") << "-=0,25" << QString() << int(RelativeOperatorSubtract) << 0.25;
    QTest::newRow("suffix") << "+=2 mm" << " mm" << int(RelativeOperatorAdd) << 2.0;
    QTest::newRow("divide by zero parses") << "/=0" << QString() << int(RelativeOperatorDivide) << 0.0;

    QTest::newRow("plain number") << "5" << QString() << int(RelativeOperatorNone) << 0.0;
    QTest::newRow("empty") << "" << QString() << int(RelativeOperatorNone) << 0.0;
    QTest::newRow("garbage operand") << "*=abc" << QString() << int(RelativeOperatorNone) << 0.0;
    QTest::newRow("unknown operator") << "%=2" << QString() << int(RelativeOperatorNone) << 0.0;
    QTest::newRow("infinite") << "+=inf" << QString() << int(RelativeOperatorNone) << 0.0;
    QTest::newRow("foreign suffix") << "+=2 cm" << " mm" << int(RelativeOperatorNone) << 0.0;
}

void tst_zkRelativeEntry::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, suffix);
    QFETCH(int, op);
    QFETCH(double, operand);

    const zkRelativeEntry entry = zkRelativeEntry::parse(text, suffix);
    QCOMPARE(int(entry.op()), op);
    QCOMPARE(entry.isValid(), op != RelativeOperatorNone);
    if (entry.isValid())
        QCOMPARE(entry.operand(), operand);
}

QTEST_GUILESS_MAIN(tst_zkRelativeEntry)
#include "tst_zkRelativeEntry.moc"
