#include "zkIesProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("zkIesProfile", text);
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == ',';
}

bool isKeywordCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

// The numbers after the TILT line: separated by white space or commas, in any line layout.
class zkIesReader
{
public:
    zkIesReader(const QByteArray &contents, int at, int line)
        : m_data(contents.constData()), m_size(contents.size()), m_at(at), m_line(line)
    {
    }

    const QString &error() const { return m_error; }
    bool failed() const { return !m_error.isEmpty(); }
    int line() const { return m_line; }

    void fail(const QString &reason)
    {
        if (m_error.isEmpty())
            m_error = reason;
    }

    // The count of the tokens left, for the message about surplus values.
    int remaining()
    {
        int count = 0;
        while (skipSeparators()) {
            ++count;
            while (m_at < m_size && !isSeparator(m_data[m_at]))
                ++m_at;
        }
        return count;
    }

    // what names the value in messages ("the number of lamps"): a text, or a function giving it
    // for the values read by the thousand, so that their names are only made for a message.
    template <typename What>
    bool number(double &value, const What &what)
    {
        if (failed())
            return false;
        if (!skipSeparators()) {
            fail(tr("the file ends early, before %1").arg(name(what)));
            return false;
        }
        const int begin = m_at;
        while (m_at < m_size && !isSeparator(m_data[m_at]))
            ++m_at;
        const char *first = m_data + begin;
        const char *last = m_data + m_at;
        // from_chars takes no plus sign.
        const char *digits = (*first == '+' && last - first > 1) ? first + 1 : first;
        const auto [end, code] = std::from_chars(digits, last, value);
        if (code != std::errc() || end != last || !std::isfinite(value)) {
            fail(tr("\"%1\" on line %2 is not a number (%3)")
                         .arg(QString::fromLatin1(first, int(last - first)).left(40))
                         .arg(m_line)
                         .arg(name(what)));
            return false;
        }
        return true;
    }

    template <typename What>
    bool integer(int &value, const What &what)
    {
        double number = 0.0;
        if (!this->number(number, what))
            return false;
        if (number != std::floor(number) || std::abs(number) > std::numeric_limits<int>::max()) {
            fail(tr("%1 on line %2 is not a whole number (%3)").arg(number).arg(m_line).arg(name(what)));
            return false;
        }
        value = int(number);
        return true;
    }

    template <typename What>
    bool floating(float &value, const What &what)
    {
        double number = 0.0;
        if (!this->number(number, what))
            return false;
        if (std::abs(number) > std::numeric_limits<float>::max()) {
            fail(tr("%1 on line %2 is too large (%3)").arg(number).arg(m_line).arg(name(what)));
            return false;
        }
        value = float(number);
        return true;
    }

private:
    static const QString &name(const QString &what) { return what; }
    template <typename Describe>
    static QString name(const Describe &describe)
    {
        return describe();
    }

    // False at the end of the data.
    bool skipSeparators()
    {
        for (; m_at < m_size && isSeparator(m_data[m_at]); ++m_at) {
            const char c = m_data[m_at];
            if (c == '\n' || (c == '\r' && (m_at + 1 == m_size || m_data[m_at + 1] != '\n')))
                ++m_line;
        }
        return m_at < m_size;
    }

    const char *m_data;
    int m_size;
    int m_at;
    int m_line;
    QString m_error;
};

struct Range
{
    float low;
    float high;
};

// Reads count angles in [range.low, range.high], strictly ascending.
bool readAngles(zkIesReader &reader, int count, Range range, const QString &kind, QVector<float> &angles)
{
    for (int i = 0; i < count; ++i) {
        float angle = 0.0f;
        if (!reader.floating(angle, [&] { return tr("%1 angle %2").arg(kind).arg(i + 1); }))
            return false;
        if (angle < range.low || angle > range.high) {
            reader.fail(tr("%1 angle %2 on line %3 lies outside %4 to %5 degrees")
                                .arg(kind).arg(angle).arg(reader.line()).arg(range.low).arg(range.high));
            return false;
        }
        if (!angles.isEmpty() && angle <= angles.constLast()) {
            reader.fail(tr("the %1 angles are not ascending: %2 follows %3 on line %4")
                                .arg(kind).arg(angle).arg(angles.constLast()).arg(reader.line()));
            return false;
        }
        angles.append(angle);
    }
    return true;
}

// The text lines before the TILT line; returns the offset just after the TILT line, or -1.
int readHeader(const QByteArray &contents, zkIesProfile &profile, QByteArray &tiltValue, int &line,
               QString &error)
{
    int at = contents.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    line = 0;
    while (at < contents.size()) {
        int end = at;
        while (end < contents.size() && contents.at(end) != '\n' && contents.at(end) != '\r')
            ++end;
        const QByteArray text = contents.mid(at, end - at).trimmed();
        // A line ends in "\n", "\r\n" or a lone "\r".
        at = qMin(end + (contents.mid(end, 2) == "\r\n" ? 2 : 1), contents.size());
        ++line;

        if (line == 1 && (text.startsWith("IESNA") || text.startsWith("IES:"))) {
            if (text == "IESNA91") {
                profile.version = zkIesProfile::Version1991;
            } else if (text == "IESNA:LM-63-1995") {
                profile.version = zkIesProfile::Version1995;
            } else if (text == "IESNA:LM-63-2002") {
                profile.version = zkIesProfile::Version2002;
            } else {
                error = tr("the first line \"%1\" names no known version of the format "
                           "(LM-63-1986, 1991, 1995 or 2002)").arg(QString::fromLatin1(text.left(40)));
                return -1;
            }
            continue;
        }
        if (text.startsWith("TILT=")) {
            tiltValue = text.mid(5).trimmed();
            return at;
        }
        if (text.isEmpty())
            continue;
        if (profile.version == zkIesProfile::Version1986) {
            profile.labels.append(QString::fromLatin1(text));
            continue;
        }
        const int close = text.indexOf(']');
        const QByteArray name = close > 1 && text.startsWith('[') ? text.mid(1, close - 1) : QByteArray();
        if (name.isEmpty() || !std::all_of(name.cbegin(), name.cend(), isKeywordCharacter)) {
            error = tr("line %1 is neither a keyword line nor the TILT line").arg(line);
            return -1;
        }
        const QString value = QString::fromLatin1(text.mid(close + 1).trimmed());
        if (name == "MORE") {
            if (profile.keywords.isEmpty()) {
                error = tr("the [MORE] line %1 continues no keyword").arg(line);
                return -1;
            }
            profile.keywords.last().value += QLatin1Char('\n') + value;
        } else {
            profile.keywords.append({name, value});
        }
    }
    error = line == 0 ? tr("the file is empty") : tr("the file has no TILT line");
    return -1;
}

void readTiltTable(zkIesReader &reader, zkIesProfile &profile)
{
    int pairs = 0;
    if (!reader.integer(profile.lampToLuminaireGeometry, tr("the lamp-to-luminaire geometry"))
        || !reader.integer(pairs, tr("the number of tilt angles")))
        return;
    if (profile.lampToLuminaireGeometry < 1 || profile.lampToLuminaireGeometry > 3) {
        reader.fail(tr("the lamp-to-luminaire geometry %1 is not 1, 2 or 3").arg(profile.lampToLuminaireGeometry));
        return;
    }
    if (pairs < 1) {
        reader.fail(tr("the number of tilt angles (%1) is not positive").arg(pairs));
        return;
    }
    if (!readAngles(reader, pairs, {0.0f, 180.0f}, tr("tilt"), profile.tiltAngles))
        return;
    for (int i = 0; i < pairs; ++i) {
        float factor = 0.0f;
        if (!reader.floating(factor, [&] { return tr("tilt factor %1").arg(i + 1); }))
            return;
        if (factor < 0.0f) {
            reader.fail(tr("tilt factor %1 on line %2 is negative").arg(factor).arg(reader.line()));
            return;
        }
        profile.tiltFactors.append(factor);
    }
}

void readPhotometry(zkIesReader &reader, zkIesProfile &profile)
{
    int units = 0;
    float width = 0.0f;
    float length = 0.0f;
    float height = 0.0f;
    if (!reader.integer(profile.numLamps, tr("the number of lamps"))
        || !reader.floating(profile.lumensPerLamp, tr("the lumens per lamp"))
        || !reader.floating(profile.candelaMultiplier, tr("the candela multiplier"))
        || !reader.integer(profile.numVerticalAngles, tr("the number of vertical angles"))
        || !reader.integer(profile.numHorizontalAngles, tr("the number of horizontal angles"))
        || !reader.integer(profile.photometricType, tr("the photometric type"))
        || !reader.integer(units, tr("the units type"))
        || !reader.floating(width, tr("the width"))
        || !reader.floating(length, tr("the length"))
        || !reader.floating(height, tr("the height"))
        || !reader.floating(profile.ballastFactor, tr("the ballast factor"))
        || !reader.floating(profile.ballastLampFactor, tr("the ballast-lamp photometric factor"))
        || !reader.floating(profile.inputWatts, tr("the input watts")))
        return;
    profile.unitsType = unsigned(qMax(units, 0));
    profile.size = QVector3D(width, length, height);

    if (profile.numLamps < 1)
        return reader.fail(tr("the number of lamps (%1) is not positive").arg(profile.numLamps));
    if (profile.lumensPerLamp <= 0.0f && profile.lumensPerLamp != -1.0f)
        return reader.fail(tr("the lumens per lamp (%1) are neither positive nor -1 for absolute photometry")
                                   .arg(profile.lumensPerLamp));
    if (profile.candelaMultiplier <= 0.0f)
        return reader.fail(tr("the candela multiplier (%1) is not positive").arg(profile.candelaMultiplier));
    if (profile.numVerticalAngles < 1)
        return reader.fail(tr("the number of vertical angles (%1) is not positive").arg(profile.numVerticalAngles));
    if (profile.numHorizontalAngles < 1)
        return reader.fail(tr("the number of horizontal angles (%1) is not positive").arg(profile.numHorizontalAngles));
    if (profile.photometricType < zkIesProfile::TypeC || profile.photometricType > zkIesProfile::TypeA)
        return reader.fail(tr("the photometric type %1 is not 1 (C), 2 (B) or 3 (A)").arg(profile.photometricType));
    if (units != zkIesProfile::Feet && units != zkIesProfile::Meters)
        return reader.fail(tr("the units type %1 is neither 1 (feet) nor 2 (meters)").arg(units));
    if (profile.ballastFactor < 0.0f)
        return reader.fail(tr("the ballast factor (%1) is negative").arg(profile.ballastFactor));
    if (profile.inputWatts < 0.0f)
        return reader.fail(tr("the input watts (%1) are negative").arg(profile.inputWatts));

    const bool typeC = profile.photometricType == zkIesProfile::TypeC;
    if (!readAngles(reader, profile.numVerticalAngles, typeC ? Range{0.0f, 180.0f} : Range{-90.0f, 90.0f},
                    tr("vertical"), profile.verticalAngles)
        || !readAngles(reader, profile.numHorizontalAngles, typeC ? Range{0.0f, 360.0f} : Range{-90.0f, 90.0f},
                       tr("horizontal"), profile.horizontalAngles))
        return;

    const qint64 values = qint64(profile.numVerticalAngles) * profile.numHorizontalAngles;
    for (qint64 i = 0; i < values; ++i) {
        double value = 0.0;
        if (!reader.number(value, [&] { return tr("candela value %1 of %2").arg(i + 1).arg(values); }))
            return;
        if (value < 0.0 || value > std::numeric_limits<float>::max())
            return reader.fail(tr("candela value %1 on line %2 is negative or too large").arg(value).arg(reader.line()));
        profile.candela.append(float(value));
    }
    if (const int surplus = reader.remaining()) {
        reader.fail(tr("the counts do not match the values: %1 more values follow the candela table of "
                       "%2 vertical and %3 horizontal angles")
                            .arg(surplus).arg(profile.numVerticalAngles).arg(profile.numHorizontalAngles));
    }
}

void report(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

QString loadFailure(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("zkIesProfile", "Cannot load the light profile \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString zkIesProfile::keyword(const QByteArray &name) const
{
    for (const Keyword &entry : keywords) {
        if (entry.name == name)
            return entry.value;
    }
    return QString();
}

zkIesProfile zkIesProfile::read(const QString &path, QString *error)
{
    if (path.isEmpty()) {
        report(error, tr("Cannot load a light profile: no file is given."));
        return zkIesProfile();
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        report(error, loadFailure(path, tr("the file does not exist")));
        return zkIesProfile();
    }
    if (info.isDir()) {
        report(error, loadFailure(path, tr("it is a folder")));
        return zkIesProfile();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(error, loadFailure(path, tr("the file cannot be read (%1)").arg(file.errorString())));
        return zkIesProfile();
    }
    QString reason;
    const zkIesProfile profile = parse(file.readAll(), &reason);
    if (!profile.valid)
        report(error, loadFailure(path, reason));
    return profile;
}

zkIesProfile zkIesProfile::parse(const QByteArray &contents, QString *error)
{
    zkIesProfile profile;
    QByteArray tiltValue;
    int line = 0;
    QString reason;
    const int data = readHeader(contents, profile, tiltValue, line, reason);
    if (data < 0) {
        report(error, reason);
        return zkIesProfile();
    }
    if (tiltValue == "INCLUDE") {
        profile.tilt = Tilt::Include;
    } else if (tiltValue != "NONE") {
        report(error, tiltValue.isEmpty()
                              ? tr("the TILT line on line %1 is empty").arg(line)
                              : tr("the tilt table is in a separate file (\"%1\"), which is not supported")
                                        .arg(QString::fromLatin1(tiltValue.left(40))));
        return zkIesProfile();
    }

    // The reader counts from the line after the TILT line.
    zkIesReader reader(contents, data, line + 1);
    if (profile.tilt == Tilt::Include)
        readTiltTable(reader, profile);
    readPhotometry(reader, profile);
    if (reader.failed()) {
        report(error, reader.error());
        return zkIesProfile();
    }
    profile.valid = true;
    return profile;
}
