#pragma once

#include "zkdObject.h"

// Size, centre, rotation and scale of an environment.
class zkdEnvironmentTransformation : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdEnvironmentTransformation)
