#include <zkIesProfile.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdLightProfile.h>
#include <zkdObjectManager.h>
#include <zkdSpotLightNode.h>

#include "zkKernelTestFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(zkIesProfile::Version)

namespace {

// Three vertical by two horizontal angles of type C, in meters.
const QByteArray photometry = "2 1000 1.5 3 2 1 2 0.5 -0.4 0.1\n"
                              "0.9 1.0 60\n"
                              "0 45 90\n"
                              "0 180\n"
                              "100 80 0\n"
                              "90 70 0\n";

QByteArray profile(const QByteArray &head, const QByteArray &tilt = "TILT=NONE\n",
                   const QByteArray &numbers = photometry)
{
    return head + tilt + numbers;
}

} // namespace

// The reading of IES files: the four versions, keywords and tilt tables, and the rejection of
// files that are not complete profiles.
class tst_zkIesProfile : public QObject
{
    Q_OBJECT

private slots:
    void versions_data();
    void versions();
    void layoutDoesNotMatter_data();
    void layoutDoesNotMatter();
    void includedTilt();
    void rejects_data();
    void rejects();
    void readNamesTheFile_data();
    void readNamesTheFile();
    void failedLoadChangesNothing();

private:
    QString write(const QString &name, const QByteArray &contents) const;
    QTemporaryDir m_dir;
};

QString tst_zkIesProfile::write(const QString &name, const QByteArray &contents) const
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
    return file.fileName();
}

void tst_zkIesProfile::versions_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<zkIesProfile::Version>("version");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("manufacturer");

    QTest::newRow("1986, free text") << QByteArray("Demo lab report 12\n[TEST] is only text here\n")
                                     << zkIesProfile::Version1986
                                     << QStringList{"Demo lab report 12", "[TEST] is only text here"} << QString();
    QTest::newRow("1991") << QByteArray("IESNA91\n[TEST] T-91\n[MANUFAC] Maker\n") << zkIesProfile::Version1991
                          << QStringList() << "Maker";
    QTest::newRow("1995, continued keyword")
            << QByteArray("IESNA:LM-63-1995\n[TEST] T-95\n[MANUFAC] Maker\n[MORE] and partner\n")
            << zkIesProfile::Version1995 << QStringList() << "Maker\nand partner";
    QTest::newRow("2002, blank line, user keyword")
            << QByteArray("IESNA:LM-63-2002\n[TEST] T-02\n\n[_OWN] mine\n[MANUFAC]   Maker  \n")
            << zkIesProfile::Version2002 << QStringList() << "Maker";
    QTest::newRow("2002, byte order mark")
            << QByteArray("\xEF\xBB\xBFIESNA:LM-63-2002\n[MANUFAC] Maker\n") << zkIesProfile::Version2002
            << QStringList() << "Maker";
}

void tst_zkIesProfile::versions()
{
    QFETCH(QByteArray, head);
    QFETCH(zkIesProfile::Version, version);
    QFETCH(QStringList, labels);
    QFETCH(QString, manufacturer);

    QString error;
    const zkIesProfile parsed = zkIesProfile::parse(profile(head), &error);
    QVERIFY2(parsed.valid, qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(parsed.version, version);
    QCOMPARE(parsed.labels, labels);
    QCOMPARE(parsed.keyword("MANUFAC"), manufacturer);
    QCOMPARE(parsed.tilt, zkIesProfile::Tilt::None);
    QCOMPARE(parsed.numLamps, 2);
    QCOMPARE(parsed.lumensPerLamp, 1000.0f);
    QCOMPARE(parsed.candelaMultiplier, 1.5f);
    QCOMPARE(parsed.photometricType, int(zkIesProfile::TypeC));
    QCOMPARE(parsed.unitsType, unsigned(zkIesProfile::Meters));
    QCOMPARE(parsed.size, QVector3D(0.5f, -0.4f, 0.1f));
    QCOMPARE(parsed.ballastFactor, 0.9f);
    QCOMPARE(parsed.ballastLampFactor, 1.0f);
    QCOMPARE(parsed.inputWatts, 60.0f);
    QCOMPARE(parsed.verticalAngles, QVector<float>({0, 45, 90}));
    QCOMPARE(parsed.horizontalAngles, QVector<float>({0, 180}));
    QCOMPARE(parsed.candela, QVector<float>({100, 80, 0, 90, 70, 0}));
}

void tst_zkIesProfile::layoutDoesNotMatter_data()
{
    QTest::addColumn<QByteArray>("contents");

    QByteArray oneLine = photometry;
    oneLine.replace('\n', ' ');
    QByteArray commas = photometry;
    commas.replace(' ', ", ");
    QByteArray wrapped = photometry;
    wrapped.replace(' ', '\n');
    QTest::newRow("values on one line") << profile("IESNA:LM-63-2002\n", "TILT=NONE\n", oneLine);
    QTest::newRow("one value a line") << profile("IESNA:LM-63-2002\n", "TILT=NONE\n", wrapped);
    QTest::newRow("commas and spaces") << profile("IESNA:LM-63-2002\n", "TILT=NONE\n", commas);
    QTest::newRow("CRLF") << profile("IESNA:LM-63-2002\n").replace("\n", "\r\n");
    QTest::newRow("CR only") << profile("IESNA:LM-63-2002\n").replace('\n', '\r');
    QTest::newRow("no final line break") << profile("IESNA:LM-63-2002\n").chopped(1);
    QTest::newRow("explicit plus signs") << profile("IESNA:LM-63-2002\n", "TILT=NONE\n",
                                                    QByteArray(photometry).replace("100", "+100"));
}

void tst_zkIesProfile::layoutDoesNotMatter()
{
    QFETCH(QByteArray, contents);

    QString error;
    const zkIesProfile parsed = zkIesProfile::parse(contents, &error);
    QVERIFY2(parsed.valid, qPrintable(error));
    QCOMPARE(parsed.candela, QVector<float>({100, 80, 0, 90, 70, 0}));
    QCOMPARE(parsed.inputWatts, 60.0f);
}

void tst_zkIesProfile::includedTilt()
{
    const zkIesProfile parsed = zkIesProfile::parse(
            profile("IESNA:LM-63-1995\n", "TILT=INCLUDE\n2\n4\n0 30\n60 90\n1 0.95 0.9 0.8\n"));
    QVERIFY(parsed.valid);
    QCOMPARE(parsed.tilt, zkIesProfile::Tilt::Include);
    QCOMPARE(parsed.lampToLuminaireGeometry, 2);
    QCOMPARE(parsed.tiltAngles, QVector<float>({0, 30, 60, 90}));
    QCOMPARE(parsed.tiltFactors, QVector<float>({1.0f, 0.95f, 0.9f, 0.8f}));
    // The photometric header follows the tilt block.
    QCOMPARE(parsed.numLamps, 2);
    QCOMPARE(parsed.candela.size(), 6);
}

void tst_zkIesProfile::rejects_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");

    const QByteArray head = "IESNA:LM-63-2002\n[TEST] x\n";
    const auto numbers = [](const QByteArray &from, const QByteArray &to) {
        return QByteArray(photometry).replace(from, to);
    };

    QTest::newRow("empty") << QByteArray() << "the file is empty";
    QTest::newRow("no TILT line") << QByteArray("Only a label\n1 2 3\n") << "has no TILT line";
    QTest::newRow("unknown version") << profile("IESNA:LM-63-1999\n") << "\"IESNA:LM-63-1999\" names no known version";
    QTest::newRow("text among keywords") << profile(head + "free text\n") << "line 3 is neither a keyword line";
    QTest::newRow("unclosed keyword") << profile(head + "[TEST x\n") << "line 3 is neither a keyword line";
    QTest::newRow("MORE first") << profile("IESNA91\n[MORE] x\n") << "[MORE] line 2 continues no keyword";
    QTest::newRow("tilt file") << profile(head, "TILT=lamp.tlt\n") << "separate file (\"lamp.tlt\")";
    QTest::newRow("empty tilt") << profile(head, "TILT=\n") << "TILT line on line 3 is empty";

    QTest::newRow("truncated header") << profile(head, "TILT=NONE\n", "1 1000 1 3 2 1")
                                      << "ends early, before the units type";
    QTest::newRow("truncated table") << profile(head, "TILT=NONE\n", photometry.left(photometry.lastIndexOf("90 70")))
                                     << "ends early, before candela value 4 of 6";
    QTest::newRow("truncated tilt") << profile(head, "TILT=INCLUDE\n1 3 0 45\n", QByteArray())
                                    << "ends early, before tilt angle 3";
    QTest::newRow("surplus values") << profile(head, "TILT=NONE\n", photometry + "5 5\n")
                                    << "counts do not match the values: 2 more values";
    QTest::newRow("counts too small") << profile(head, "TILT=NONE\n", numbers("3 2 1 2", "3 1 1 2"))
                                      << "counts do not match the values";

    QTest::newRow("word") << profile(head, "TILT=NONE\n", numbers("0.9 ", "high ")) << "\"high\" on line 5 is not a number (the ballast factor)";
    QTest::newRow("nan") << profile(head, "TILT=NONE\n", numbers("90 70", "nan 70")) << "\"nan\" on line 9 is not a number";
    QTest::newRow("trailing letters") << profile(head, "TILT=NONE\n", numbers("60\n", "60W\n")) << "\"60W\"";
    QTest::newRow("fractional count") << profile(head, "TILT=NONE\n", numbers("3 2 1", "3.5 2 1")) << "3.5 on line 4 is not a whole number";

    QTest::newRow("negative vertical count") << profile(head, "TILT=NONE\n", numbers("3 2 1", "-3 2 1"))
                                             << "number of vertical angles (-3) is not positive";
    QTest::newRow("zero horizontal count") << profile(head, "TILT=NONE\n", numbers("3 2 1", "3 0 1"))
                                           << "number of horizontal angles (0) is not positive";
    QTest::newRow("no lamps") << profile(head, "TILT=NONE\n", numbers("2 1000", "0 1000")) << "number of lamps (0)";
    QTest::newRow("zero lumens") << profile(head, "TILT=NONE\n", numbers("2 1000", "2 0")) << "lumens per lamp (0)";
    QTest::newRow("photometric type") << profile(head, "TILT=NONE\n", numbers("3 2 1 2", "3 2 4 2")) << "photometric type 4";
    QTest::newRow("units type") << profile(head, "TILT=NONE\n", numbers("3 2 1 2", "3 2 1 3")) << "units type 3";
    QTest::newRow("negative watts") << profile(head, "TILT=NONE\n", numbers(" 60\n", " -60\n")) << "input watts (-60)";
    QTest::newRow("type C vertical above 180") << profile(head, "TILT=NONE\n", numbers("0 45 90", "0 45 190"))
                                               << "vertical angle 190 on line 6 lies outside 0 to 180 degrees";
    QTest::newRow("type C horizontal above 360") << profile(head, "TILT=NONE\n", numbers("0 180\n", "0 400\n"))
                                                 << "horizontal angle 400 on line 7 lies outside 0 to 360";
    QTest::newRow("type B vertical above 90") << profile(head, "TILT=NONE\n", numbers("3 2 1 2", "3 2 2 2").replace("0 45 90", "0 45 120").replace("0 180\n", "0 45\n"))
                                              << "vertical angle 120 on line 6 lies outside -90 to 90";
    QTest::newRow("type A horizontal below -90") << profile(head, "TILT=NONE\n", numbers("3 2 1 2", "3 2 3 2").replace("0 45 90", "-45 0 45").replace("0 180\n", "-120 0\n"))
                                                 << "horizontal angle -120 on line 7 lies outside -90 to 90";
    QTest::newRow("descending angles") << profile(head, "TILT=NONE\n", numbers("0 45 90", "0 90 45"))
                                       << "vertical angles are not ascending: 45 follows 90";
    QTest::newRow("negative candela") << profile(head, "TILT=NONE\n", numbers("90 70", "90 -70")) << "candela value -70";
    QTest::newRow("tilt geometry") << profile(head, "TILT=INCLUDE\n4 1 0 1\n") << "lamp-to-luminaire geometry 4";
    QTest::newRow("negative tilt count") << profile(head, "TILT=INCLUDE\n1 -2\n") << "number of tilt angles (-2)";
    QTest::newRow("negative tilt factor") << profile(head, "TILT=INCLUDE\n1 2 0 90 1 -0.5\n") << "tilt factor -0.5";
}

void tst_zkIesProfile::rejects()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);

    QString error;
    const zkIesProfile parsed = zkIesProfile::parse(contents, &error);
    QVERIFY(!parsed.valid);
    QVERIFY2(error.contains(reason), qPrintable(error));
    // A rejected file leaves nothing half read behind.
    QVERIFY(parsed.candela.isEmpty() && parsed.keywords.isEmpty() && parsed.numLamps == 0);
}

void tst_zkIesProfile::readNamesTheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing.ies" << QByteArray() << "the file does not exist";
    QTest::newRow("folder") << "folder.ies" << QByteArray() << "it is a folder";
    QTest::newRow("bad contents") << "bad.ies" << QByteArray("IESNA:LM-63-2002\nTILT=NONE\n1 x\n")
                                  << "\"x\" on line 3 is not a number";
}

void tst_zkIesProfile::readNamesTheFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);

    QString path = m_dir.filePath(name);
    if (name.startsWith(QStringLiteral("folder")))
        QVERIFY(QDir().mkpath(path));
    else if (!contents.isEmpty())
        path = write(name, contents);
    QString error;
    QVERIFY(!zkIesProfile::read(path, &error).valid);
    QVERIFY2(error.startsWith(QStringLiteral("Cannot load the light profile \"%1\": ").arg(QDir::toNativeSeparators(path))),
             qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1Char('.')));

    QVERIFY(!zkIesProfile::read(QString(), &error).valid);
    QCOMPARE(error, QStringLiteral("Cannot load a light profile: no file is given."));
}

void tst_zkIesProfile::failedLoadChangesNothing()
{
    const auto spot = zkdObjectManager::create<zkdSpotLightNode>();
    const auto lightProfile = spot.property("lightProfile").value<zkdLightProfile>();
    const QString good = write(QStringLiteral("good.ies"), profile("IESNA:LM-63-2002\n"));
    const QString bad = write(QStringLiteral("bad.ies"), profile("IESNA:LM-63-2002\n").replace("0.9 ", "x "));
    zkUndoStack::instance()->clear();
    {
        const zkScopedUndo undo(true);
        QVERIFY(lightProfile.load(good));
    }
    const zkChangeLog log;
    QString error;
    {
        const zkScopedUndo undo(true);
        QVERIFY(!lightProfile.load(bad, &error));
    }
    QVERIFY2(error.contains(QDir::toNativeSeparators(bad)), qPrintable(error));
    QVERIFY(log.changes.isEmpty());
    QCOMPARE(zkUndoStack::instance()->count(), 1);
    QCOMPARE(lightProfile.getAbsolutePath(), good);
    QCOMPARE(lightProfile.getNumVerticalAngles(), 3);
    QCOMPARE(lightProfile.getBallastFactor(), 0.9f);

    zkdObjectManager::destroy(spot);
    QVERIFY(!lightProfile.load(good, &error));
    QVERIFY2(error.contains(QStringLiteral("the light no longer exists")), qPrintable(error));
    zkUndoStack::instance()->clear();
}

QTEST_GUILESS_MAIN(tst_zkIesProfile)

#include "tst_zkIesProfile.moc"
