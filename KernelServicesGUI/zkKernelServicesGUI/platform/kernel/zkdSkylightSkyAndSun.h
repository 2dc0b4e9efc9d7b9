#pragma once

#include "zkdObject.h"

// The sky model and the sun.
class zkdSkylightSkyAndSun : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum SkyModel {
        Realistic,
        Artistic
    };
    Q_ENUM(SkyModel)
};

Q_DECLARE_METATYPE(zkdSkylightSkyAndSun)
