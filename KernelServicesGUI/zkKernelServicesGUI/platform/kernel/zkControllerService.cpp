#include "zkControllerService.h"

zkControllerService::zkControllerService(QObject *parent)
    : zkBaseService(parent)
    , m_cities(zkCityTable::fromZoneTable(zkCityTable::getSystemZoneTablePath()))
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
    return m_cities.getNames();
}

bool zkControllerService::getCityCoordinates(const QString &name, double &longitude, double &latitude) const
{
    const zkCityTable::City *city = m_cities.find(name);
    longitude = city ? city->longitude : 0.0;
    latitude = city ? city->latitude : 0.0;
    return city;
}

QString zkControllerService::getClosestCity(double longitude, double latitude) const
{
    const zkCityTable::City *city = m_cities.findClosest(longitude, latitude);
    return city ? city->name : QString();
}
