#include <zkCityTable.h>
#include <zkControllerService.h>

#include <zkTestSupport.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double arcSecond = 1.0 / 3600.0;

const QByteArray zoneTable = "# tzdb timezone descriptions\n"
                             "#codes\tcoordinates\tTZ\tcomments\n"
                             "JP,AU\t+353916+1394441\tAsia/Tokyo\tEyre Bird Observatory\n"
                             "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\n"
                             "XX\t+4260+00131\tEurope/Nowhere\n"
                             "AD\t+4230+00131\r\n"
                             "\n"
                             "HT\t+1832-07220\tAmerica/Port-au-Prince\n"
                             "XX\t+9130+00131\tPolar/Beyond\n"
                             "AD\t+4230+00131\tEurope/Andorra\r\n";

void write(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), qint64(contents.size()));
}

QByteArray fallbackMessage(const QString &path)
{
    return "zkCityTable: couldn't read cities from '" + path.toUtf8() + "', using the built-in list\n";
}

} // namespace

// The reading of the system's time-zone table into the cities the sky location offers.
class tst_zkCityTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parseZoneLine_data();
    void parseZoneLine();
    void readsTable();
    void fallback_data();
    void fallback();
    void systemPath_data();
    void systemPath();
    void serviceUsesSystemTable();

private:
    QTemporaryDir m_directory;
};

void tst_zkCityTable::initTestCase()
{
    QVERIFY(m_directory.isValid());
}

void tst_zkCityTable::parseZoneLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("latitude");

    QTest::newRow("minutes") << "AD\t+4230+00131\tEurope/Andorra" << true << "Andorra" << 1 + 31 / 60.0 << 42.5;
    QTest::newRow("seconds and comment") << "JP,AU\t+353916+1394441\tAsia/Tokyo\tEyre Bird Observatory" << true
                                         << "Tokyo" << 139 + 44 / 60.0 + 41 * arcSecond
                                         << 35 + 39 / 60.0 + 16 * arcSecond;
    QTest::newRow("south-west, nested, underscores")
        << "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires" << true << "Buenos Aires" << -(58 + 27 / 60.0)
        << -(34 + 36 / 60.0);
    QTest::newRow("hyphens kept") << "HT\t+1832-07220\tAmerica/Port-au-Prince" << true << "Port-au-Prince"
                                  << -(72 + 20 / 60.0) << 18 + 32 / 60.0;
    QTest::newRow("poles and date line") << "AQ\t-9000+18000\tAntarctica/Pole" << true << "Pole" << 180.0 << -90.0;
    QTest::newRow("comment") << "#AD\t+4230+00131\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("empty") << "" << false << "" << 0.0 << 0.0;
    QTest::newRow("no zone") << "AD\t+4230+00131" << false << "" << 0.0 << 0.0;
    QTest::newRow("spaces for tabs") << "AD +4230+00131 Europe/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("unsigned latitude") << "AD\t4230+00131\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("no longitude") << "AD\t+4230\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("short latitude") << "AD\t+423+00131\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("mixed precision") << "AD\t+423000+00131\tEurope/Andorra" << true << "Andorra"
                                     << 1 + 31 / 60.0 << 42.5;
    QTest::newRow("letter") << "AD\t+42a0+00131\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("60 minutes") << "AD\t+4260+00131\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("60 seconds") << "AD\t+423060+0013100\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("beyond the pole") << "AD\t+9001+00131\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("beyond the date line") << "AD\t+4230+18001\tEurope/Andorra" << false << "" << 0.0 << 0.0;
    QTest::newRow("no city") << "AD\t+4230+00131\tEurope/" << false << "" << 0.0 << 0.0;
}

void tst_zkCityTable::parseZoneLine()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);

    zkCityTable::City city;
    QCOMPARE(zkCityTable::parseZoneLine(line, city), valid);
    if (!valid)
        return;
    QTEST(city.name, "name");
    QFETCH(double, longitude);
    QFETCH(double, latitude);
    QVERIFY(qAbs(city.longitude - longitude) < 1e-9);
    QVERIFY(qAbs(city.latitude - latitude) < 1e-9);
}

void tst_zkCityTable::readsTable()
{
    const QString path = m_directory.filePath(QStringLiteral("zone1970.tab"));
    write(path, zoneTable);
    zkCapturedOutput err(stderr);
    const zkCityTable table = zkCityTable::fromZoneTable(path);
    // Malformed lines are skipped quietly.
    QCOMPARE(err.take(), QByteArray());
    QCOMPARE(table.getNames(), QStringList({"Andorra", "Buenos Aires", "Port-au-Prince", "Tokyo"}));

    const zkCityTable::City *city = table.find(QStringLiteral("buenos aires"));
    QVERIFY(city);
    QCOMPARE(city->name, QStringLiteral("Buenos Aires"));
    QVERIFY(!table.find(QStringLiteral("Buenos_Aires")));
    QVERIFY(!table.find(QStringLiteral("Nowhere")));

    QCOMPARE(table.findClosest(140.0, 36.0)->name, QStringLiteral("Tokyo"));
    // Across the date line, Tokyo is nearer than Port-au-Prince.
    QCOMPARE(table.findClosest(-170.0, 30.0)->name, QStringLiteral("Tokyo"));
    QCOMPARE(table.findClosest(0.0, 40.0)->name, QStringLiteral("Andorra"));
}

void tst_zkCityTable::fallback_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("missing") << "missing.tab" << QByteArray();
    QTest::newRow("empty") << "empty.tab" << QByteArray("");
    QTest::newRow("comments only") << "comments.tab" << QByteArray("# nothing\n#codes\tcoordinates\tTZ\n");
    QTest::newRow("malformed only") << "malformed.tab" << QByteArray("AD\t+4260+00131\tEurope/Andorra\n");
}

void tst_zkCityTable::fallback()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);

    const QString path = m_directory.filePath(file);
    if (!contents.isNull())
        write(path, contents);
    zkCapturedOutput err(stderr);
    const zkCityTable table = zkCityTable::fromZoneTable(path);
    QCOMPARE(err.take(), fallbackMessage(path));
    QCOMPARE(table.getNames(), zkCityTable::builtIn().getNames());
    QVERIFY(table.getCities().size() >= 10);
    QVERIFY(table.find(QStringLiteral("Tokyo")));
    QVERIFY(table.find(QStringLiteral("Sydney")));
}

void tst_zkCityTable::systemPath_data()
{
    QTest::addColumn<QByteArray>("tzdir");
    QTest::addColumn<QString>("path");

    QTest::newRow("unset") << QByteArray() << "/usr/share/zoneinfo/zone1970.tab";
    QTest::newRow("empty") << QByteArray("") << "/usr/share/zoneinfo/zone1970.tab";
    QTest::newRow("set") << QByteArray("/opt/tz") << "/opt/tz/zone1970.tab";
}

void tst_zkCityTable::systemPath()
{
    QFETCH(QByteArray, tzdir);

    const bool wasSet = qEnvironmentVariableIsSet("TZDIR");
    const QByteArray saved = qgetenv("TZDIR");
    if (tzdir.isNull())
        qunsetenv("TZDIR");
    else
        qputenv("TZDIR", tzdir);
    const QString path = zkCityTable::getSystemZoneTablePath();
    if (wasSet)
        qputenv("TZDIR", saved);
    else
        qunsetenv("TZDIR");
    QTEST(path, "path");
}

void tst_zkCityTable::serviceUsesSystemTable()
{
    const QString path = zkCityTable::getSystemZoneTablePath();
    if (!QFile::exists(path))
        QSKIP("The system has no time-zone table.");
    zkCapturedOutput err(stderr);
    const zkControllerService service;
    QCOMPARE(err.take(), QByteArray());
    QVERIFY(service.getCityNames().size() > 200);

    double longitude = 1.0;
    double latitude = 1.0;
    QVERIFY(service.getCityCoordinates(QStringLiteral("tokyo"), longitude, latitude));
    QVERIFY(qAbs(longitude - 139.74) < 0.01);
    QVERIFY(qAbs(latitude - 35.65) < 0.01);
    QCOMPARE(service.getClosestCity(139.7, 35.7), QStringLiteral("Tokyo"));

    QVERIFY(!service.getCityCoordinates(QStringLiteral("Atlantis"), longitude, latitude));
    QCOMPARE(longitude, 0.0);
    QCOMPARE(latitude, 0.0);
}

QTEST_GUILESS_MAIN(tst_zkCityTable)
#include "tst_zkCityTable.moc"
