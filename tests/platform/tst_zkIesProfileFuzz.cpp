#include <zkFuzzInput.h>
#include <zkIesProfile.h>

#include <QRandomGenerator>
#include <QTest>

#include <array>

namespace {

const std::array<QByteArray, 4> validFiles = {
    QByteArray("IESNA:LM-63-2002\n[TEST] F1\n[MANUFAC] M\n[MORE] more\nTILT=NONE\n"
               "1 1200 1.0 5 3 1 2 0.12 0.12 0.05\n1.0 1.0 14.5\n0 22.5 45 67.5 90\n0 90 180\n"
               "950 870 590 180 0 940 860 580 170 0 930 850 570 160 0\n"),
    QByteArray("IESNA:LM-63-1995\n[TEST] F2\nTILT=INCLUDE\n1\n3\n0 45 90\n1.0 0.9 0.8\n"
               "1 1600 1.0 3 2 2 1 0.8 0.4 0.25\n1.0 1.0 100\n-90 0 90\n0 90\n420 410 380 560 540 500\n"),
    QByteArray("IESNA91\n[TEST] F3\n[MANUFAC] M\nTILT=NONE\n"
               "2 -1 1.5 2 2 3 1 -0.3 0 0\n1 1 40\n0 90\n-90 90\n10 20 30 40\n"),
    QByteArray("Label of a 1986 file\r\nTILT=NONE\r\n1 800 1 3 1 1 2 0 0 0 1 1 10\r\n0 90 180\r\n0\r\n5 3 1\r\n"),
};

// Bytes that steer random input towards the parser's paths.
const QByteArray alphabet = "0123456789 .,-+\n\r\teE[]TILT=NONEINCLUDEIESNA:LM-63-2002MOREnaninf";
const std::array<QByteArray, 10> tokens = {"-1", "0", "1e309", "2147483648", "-2147483649", "nan", "1.5", "360",
                                           "TILT=INCLUDE\n", "99999999"};

QByteArray randomBytes(QRandomGenerator &random)
{
    QByteArray bytes(int(random.bounded(600)), Qt::Uninitialized);
    const bool anyByte = random.bounded(4) == 0;
    for (char &byte : bytes)
        byte = anyByte ? char(random.bounded(256)) : alphabet.at(int(random.bounded(alphabet.size())));
    // Half of them start like a file of some version.
    if (random.bounded(2))
        bytes.prepend(random.bounded(2) ? "IESNA:LM-63-2002\nTILT=NONE\n" : "IESNA91\nTILT=INCLUDE\n");
    return bytes;
}

QByteArray mutated(QRandomGenerator &random)
{
    QByteArray bytes = validFiles.at(random.bounded(int(validFiles.size())));
    const int edits = 1 + int(random.bounded(4));
    for (int i = 0; i < edits; ++i) {
        const int at = int(random.bounded(bytes.size() + 1));
        switch (random.bounded(6)) {
        case 0:
            if (at < bytes.size())
                bytes[at] = char(bytes.at(at) ^ (1 << random.bounded(8)));
            break;
        case 1:
            bytes.remove(at, int(random.bounded(8)));
            break;
        case 2:
            bytes.insert(at, alphabet.at(int(random.bounded(alphabet.size()))));
            break;
        case 3:
            bytes.insert(at, tokens.at(random.bounded(int(tokens.size()))) + ' ');
            break;
        case 4:
            bytes.truncate(at);
            break;
        default:
            bytes.insert(at, bytes.mid(int(random.bounded(bytes.size() + 1)), int(random.bounded(40))));
            break;
        }
    }
    return bytes;
}

// What every result must satisfy; an empty string when it does.
QString checked(const zkIesProfile &profile, const QString &error)
{
    if (profile.valid == !error.isEmpty())
        return QStringLiteral("valid %1 with error \"%2\"").arg(profile.valid).arg(error);
    if (!profile.valid)
        return QString();
    if (profile.verticalAngles.size() != profile.numVerticalAngles
        || profile.horizontalAngles.size() != profile.numHorizontalAngles
        || profile.candela.size() != qint64(profile.numVerticalAngles) * profile.numHorizontalAngles)
        return QStringLiteral("the counts do not match the tables");
    if (profile.tiltAngles.size() != profile.tiltFactors.size())
        return QStringLiteral("the tilt table is uneven");
    return QString();
}

} // namespace

// Random and damaged files: the parser never crashes, and what it accepts is consistent.
class tst_zkIesProfileFuzz : public QObject
{
    Q_OBJECT

private slots:
    void seedsAreValid();
    void fuzz_data();
    void fuzz();
};

void tst_zkIesProfileFuzz::seedsAreValid()
{
    for (const QByteArray &file : validFiles) {
        QString error;
        QVERIFY2(zkIesProfile::parse(file, &error).valid, qPrintable(error));
    }
}

void tst_zkIesProfileFuzz::fuzz_data()
{
    QTest::addColumn<bool>("mutate");

    QTest::newRow("random bytes") << false;
    QTest::newRow("mutated files") << true;
}

void tst_zkIesProfileFuzz::fuzz()
{
    QFETCH(bool, mutate);

    const quint32 used = zkFuzzInput::seed();
    QRandomGenerator random(used);

    int accepted = 0;
    for (int i = 0; i < 50000; ++i) {
        const QByteArray input = mutate ? mutated(random) : randomBytes(random);
        QString error;
        const zkIesProfile profile = zkIesProfile::parse(input, &error);
        const QString fault = checked(profile, error);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1, input %2: %3\n%4")
                                                     .arg(used).arg(i).arg(fault, QString::fromLatin1(input.toPercentEncoding(" \n")))));
        accepted += profile.valid;
    }
    // Mutations keep some files whole, so the accepting paths were taken too.
    if (mutate)
        QVERIFY2(accepted > 0, qPrintable(QStringLiteral("seed %1").arg(used)));
}

QTEST_GUILESS_MAIN(tst_zkIesProfileFuzz)

#include "tst_zkIesProfileFuzz.moc"
