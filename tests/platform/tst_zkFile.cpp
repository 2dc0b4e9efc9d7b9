#include <zkFile.h>

#include <QtTest>

class tst_zkFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void expandFilename_data();
    void expandFilename();
};

void tst_zkFile::initTestCase()
{
    qputenv("ZK_TEST_ROOT", "/data/scenes");
    qputenv("ZK_TEST_EMPTY", "");
    qunsetenv("ZK_TEST_UNSET");
}

void tst_zkFile::expandFilename_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no variables") << "/tmp/a b/c.png" << "/tmp/a b/c.png";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("url") << "http://example.com/?a=$1" << "http://example.com/?a=$1";
    QTest::newRow("parentheses") << "$(ZK_TEST_ROOT)/car.png" << "/data/scenes/car.png";
    QTest::newRow("braces") << "${ZK_TEST_ROOT}/car.png" << "/data/scenes/car.png";
    QTest::newRow("twice") << "$(ZK_TEST_ROOT):${ZK_TEST_ROOT}" << "/data/scenes:/data/scenes";
    QTest::newRow("set but empty") << "a$(ZK_TEST_EMPTY)b" << "ab";
    QTest::newRow("unset stays") << "$(ZK_TEST_UNSET)/a" << "$(ZK_TEST_UNSET)/a";
    QTest::newRow("unset beside set") << "${ZK_TEST_UNSET}${ZK_TEST_ROOT}" << "${ZK_TEST_UNSET}/data/scenes";
    QTest::newRow("mismatched brackets") << "$(ZK_TEST_ROOT}" << "$(ZK_TEST_ROOT}";
    QTest::newRow("unterminated") << "${ZK_TEST_ROOT" << "${ZK_TEST_ROOT";
    QTest::newRow("bare dollar name") << "$ZK_TEST_ROOT" << "$ZK_TEST_ROOT";
}

void tst_zkFile::expandFilename()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(zkFile::expandFilename(input), expected);
}

QTEST_GUILESS_MAIN(tst_zkFile)
#include "tst_zkFile.moc"
