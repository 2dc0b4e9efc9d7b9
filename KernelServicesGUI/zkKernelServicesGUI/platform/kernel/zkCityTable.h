#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Named places with their coordinates in degrees, east and north positive: the principal
// locations of the system's time zones, or a few built-in cities when those cannot be read.
class zkCityTable
{
public:
    struct City
    {
        QString name;
        double longitude = 0.0;
        double latitude = 0.0;
    };

    // zone1970.tab in $TZDIR, else in /usr/share/zoneinfo.
    static QString getSystemZoneTablePath();
    // The cities of a time-zone table, sorted by name. A file that cannot be read or names no
    // zone is reported on stderr and gives the built-in cities.
    static zkCityTable fromZoneTable(const QString &path);
    static zkCityTable builtIn();
    // One line of a time-zone table; false for comments and malformed lines.
    static bool parseZoneLine(const QString &line, City &city);

    const QVector<City> &getCities() const { return m_cities; }
    QStringList getNames() const;
    // Case-insensitive; null for a name not in the table.
    const City *find(const QString &name) const;
    // Null only for an empty table.
    const City *findClosest(double longitude, double latitude) const;

private:
    QVector<City> m_cities;
};
