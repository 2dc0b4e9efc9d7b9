#pragma once

#include "zkdObject.h"

#include <QString>

// What the header of a ray file says about its rays; read-only, set when the file is loaded.
class zkdRayFileInfo : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    float getLuminousPower() const;
    int getNumberOfRays() const;
    float getScalingFactor() const;
    QString getSpectralInformationString() const;
};

Q_DECLARE_METATYPE(zkdRayFileInfo)
