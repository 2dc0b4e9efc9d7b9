#include "zkControllerService.h"

#include <cmath>
#include <limits>

namespace {

struct City
{
    const char *name;
    double longitude;
    double latitude;
};

constexpr City cities[] = {
    {"Berlin", 13.40, 52.52},
    {"Buenos Aires", -58.38, -34.60},
    {"Cairo", 31.24, 30.04},
    {"Cape Town", 18.42, -33.92},
    {"Chicago", -87.63, 41.88},
    {"Detroit", -83.05, 42.33},
    {"London", -0.13, 51.51},
    {"Los Angeles", -118.24, 34.05},
    {"Mexico City", -99.13, 19.43},
    {"Moscow", 37.62, 55.76},
    {"Mumbai", 72.88, 19.08},
    {"Munich", 11.58, 48.14},
    {"New York", -74.01, 40.71},
    {"Paris", 2.35, 48.86},
    {"Rio de Janeiro", -43.17, -22.91},
    {"Seoul", 126.98, 37.57},
    {"Shanghai", 121.47, 31.23},
    {"Singapore", 103.82, 1.35},
    {"Stuttgart", 9.18, 48.78},
    {"Sydney", 151.21, -33.87},
    {"Tokyo", 139.69, 35.69},
    {"Toronto", -79.38, 43.65},
};

// Great-circle distance in radians.
double distance(double lon1, double lat1, double lon2, double lat2)
{
    constexpr double toRad = M_PI / 180.0;
    const double a = std::sin(lat1 * toRad) * std::sin(lat2 * toRad)
            + std::cos(lat1 * toRad) * std::cos(lat2 * toRad) * std::cos((lon2 - lon1) * toRad);
    return std::acos(std::max(-1.0, std::min(1.0, a)));
}

} // namespace

zkControllerService::zkControllerService(QObject *parent)
    : zkBaseService(parent)
{
}

void zkControllerService::refresh(bool redraw)
{
    Q_UNUSED(redraw);
    ++m_refreshCount;
    emit refreshed();
}

QStringList zkControllerService::getCityNames() const
{
    QStringList names;
    for (const City &city : cities)
        names.append(QString::fromUtf8(city.name));
    return names;
}

bool zkControllerService::getCityCoordinates(const QString &name, double &longitude, double &latitude) const
{
    for (const City &city : cities) {
        if (name.compare(QString::fromUtf8(city.name), Qt::CaseInsensitive) == 0) {
            longitude = city.longitude;
            latitude = city.latitude;
            return true;
        }
    }
    longitude = 0.0;
    latitude = 0.0;
    return false;
}

QString zkControllerService::getClosestCity(double longitude, double latitude) const
{
    const City *best = nullptr;
    double bestDistance = std::numeric_limits<double>::max();
    for (const City &city : cities) {
        const double d = distance(longitude, latitude, city.longitude, city.latitude);
        if (d < bestDistance) {
            bestDistance = d;
            best = &city;
        }
    }
    return best ? QString::fromUtf8(best->name) : QString();
}
