#pragma once

#include "zkdObject.h"

// The light sources an environment is reduced to for shadows.
class zkdEnvironmentShadowsAndIllumination : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdEnvironmentShadowsAndIllumination)
