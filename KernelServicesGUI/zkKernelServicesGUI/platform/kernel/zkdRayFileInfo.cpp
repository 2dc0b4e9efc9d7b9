#include "zkdRayFileInfo.h"

float zkdRayFileInfo::getLuminousPower() const
{
    return property("luminousPower").toFloat();
}

int zkdRayFileInfo::getNumberOfRays() const
{
    return property("numberOfRays").toInt();
}

float zkdRayFileInfo::getScalingFactor() const
{
    return property("scalingFactor").toFloat();
}

QString zkdRayFileInfo::getSpectralInformationString() const
{
    return property("spectralInformationString").toString();
}
