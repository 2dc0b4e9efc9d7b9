#pragma once

#include "zkBaseService.h"
#include "zkCityTable.h"

#include <QStringList>

// Drives the renderer after edits and knows the geography used by sky locations.
class zkControllerService : public zkBaseService
{
    Q_OBJECT
public:
    // Reads the cities of the system's time zones.
    explicit zkControllerService(QObject *parent = nullptr);

    // Brings views up to date after a change; cheap to call often.
    void refresh(bool redraw = true);
    int refreshCount() const { return m_refreshCount; }

    QStringList getCityNames() const;
    // The longitude and latitude (degrees) of a known city, by case-insensitive name; false and
    // (0, 0) for others.
    bool getCityCoordinates(const QString &name, double &longitude, double &latitude) const;
    // The known city nearest to a location.
    QString getClosestCity(double longitude, double latitude) const;

signals:
    void refreshed();

private:
    int m_refreshCount = 0;
    zkCityTable m_cities;
};
