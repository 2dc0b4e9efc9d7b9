#include "zkCityTable.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

struct BuiltInCity
{
    const char *name;
    double longitude;
    double latitude;
};

constexpr BuiltInCity builtInCities[] = {
    {"Berlin", 13.40, 52.52},
    {"Buenos Aires", -58.38, -34.60},
    {"Cairo", 31.24, 30.04},
    {"Chicago", -87.63, 41.88},
    {"Johannesburg", 28.05, -26.20},
    {"London", -0.13, 51.51},
    {"Los Angeles", -118.24, 34.05},
    {"Mexico City", -99.13, 19.43},
    {"Moscow", 37.62, 55.76},
    {"New York", -74.01, 40.71},
    {"Paris", 2.35, 48.86},
    {"Sao Paulo", -46.63, -23.55},
    {"Shanghai", 121.47, 31.23},
    {"Singapore", 103.82, 1.35},
    {"Sydney", 151.21, -33.87},
    {"Tokyo", 139.69, 35.69},
};

// Digits only, as a number; -1 for anything else.
int digits(const QStringRef &text)
{
    if (text.isEmpty())
        return -1;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// One ISO 6709 component, sign then DD[D]MM or DD[D]MMSS; NaN when malformed.
double angle(const QStringRef &text, int degreeDigits, int maximum)
{
    const int length = text.size() - 1;
    if (length != degreeDigits + 2 && length != degreeDigits + 4)
        return std::nan("");
    const QChar sign = text.at(0);
    if (sign != QLatin1Char('+') && sign != QLatin1Char('-'))
        return std::nan("");
    const int degrees = digits(text.mid(1, degreeDigits));
    const int minutes = digits(text.mid(1 + degreeDigits, 2));
    const int seconds = length == degreeDigits + 4 ? digits(text.mid(3 + degreeDigits, 2)) : 0;
    if (degrees < 0 || minutes < 0 || minutes >= 60 || seconds < 0 || seconds >= 60)
        return std::nan("");
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    if (value > maximum)
        return std::nan("");
    return sign == QLatin1Char('-') ? -value : value;
}

// Great-circle distance in radians.
double distance(double lon1, double lat1, double lon2, double lat2)
{
    constexpr double toRad = M_PI / 180.0;
    const double a = std::sin(lat1 * toRad) * std::sin(lat2 * toRad)
            + std::cos(lat1 * toRad) * std::cos(lat2 * toRad) * std::cos((lon2 - lon1) * toRad);
    return std::acos(std::max(-1.0, std::min(1.0, a)));
}

} // namespace

QString zkCityTable::getSystemZoneTablePath()
{
    QString directory = qEnvironmentVariable("TZDIR");
    if (directory.isEmpty())
        directory = QStringLiteral("/usr/share/zoneinfo");
    return directory + QStringLiteral("/zone1970.tab");
}

zkCityTable zkCityTable::fromZoneTable(const QString &path)
{
    zkCityTable table;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(file.readAll());
        for (const QStringRef &line : text.splitRef(QLatin1Char('\n'))) {
            City city;
            if (parseZoneLine(line.toString(), city))
                table.m_cities.append(city);
        }
    }
    if (table.m_cities.isEmpty()) {
        std::fprintf(stderr, "zkCityTable: couldn't read cities from '%s', using the built-in list\n",
                     qPrintable(path));
        return builtIn();
    }
    std::stable_sort(table.m_cities.begin(), table.m_cities.end(), [](const City &a, const City &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return table;
}

zkCityTable zkCityTable::builtIn()
{
    zkCityTable table;
    for (const BuiltInCity &city : builtInCities)
        table.m_cities.append({QString::fromUtf8(city.name), city.longitude, city.latitude});
    return table;
}

bool zkCityTable::parseZoneLine(const QString &line, City &city)
{
    if (line.startsWith(QLatin1Char('#')))
        return false;
    // Columns: country codes, coordinates, zone name, comments.
    const QVector<QStringRef> columns = line.splitRef(QLatin1Char('\t'));
    if (columns.size() < 3)
        return false;
    const QStringRef coordinates = columns.at(1);
    int split = -1;
    for (int i = 1; i < coordinates.size() && split < 0; ++i) {
        if (coordinates.at(i) == QLatin1Char('+') || coordinates.at(i) == QLatin1Char('-'))
            split = i;
    }
    if (split < 0)
        return false;
    const double latitude = angle(coordinates.left(split), 2, 90);
    const double longitude = angle(coordinates.mid(split), 3, 180);
    const QStringRef zone = columns.at(2).trimmed();
    QString name = zone.mid(zone.lastIndexOf(QLatin1Char('/')) + 1).toString();
    name.replace(QLatin1Char('_'), QLatin1Char(' '));
    if (std::isnan(latitude) || std::isnan(longitude) || name.trimmed().isEmpty())
        return false;
    city = {name, longitude, latitude};
    return true;
}

QStringList zkCityTable::getNames() const
{
    QStringList names;
    names.reserve(m_cities.size());
    for (const City &city : m_cities)
        names.append(city.name);
    return names;
}

const zkCityTable::City *zkCityTable::find(const QString &name) const
{
    const auto it = std::find_if(m_cities.cbegin(), m_cities.cend(), [&name](const City &city) {
        return name.compare(city.name, Qt::CaseInsensitive) == 0;
    });
    return it == m_cities.cend() ? nullptr : &*it;
}

const zkCityTable::City *zkCityTable::findClosest(double longitude, double latitude) const
{
    const City *best = nullptr;
    double bestDistance = std::numeric_limits<double>::max();
    for (const City &city : m_cities) {
        const double d = distance(longitude, latitude, city.longitude, city.latitude);
        if (d < bestDistance) {
            bestDistance = d;
            best = &city;
        }
    }
    return best;
}
