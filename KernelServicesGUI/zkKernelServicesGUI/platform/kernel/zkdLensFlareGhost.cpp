#include "zkdLensFlareGhost.h"

double zkdLensFlareGhost::getDistance() const
{
    return property("distance").toDouble();
}

void zkdLensFlareGhost::setDistance(double distance) const
{
    setProperty("distance", float(qBound(MinimumDistance, distance, MaximumDistance)));
}

QVector3D zkdLensFlareGhost::getColor() const
{
    return property("color").value<QVector3D>();
}

QString zkdLensFlareGhost::getName() const
{
    return property("name").toString();
}

void zkdLensFlareGhost::setName(const QString &name) const
{
    setProperty("name", name);
}
