#pragma once

#include "zkdObject.h"

// Limits the light of a disk or rectangular light to a cone.
class zkdAreaLightCone : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdAreaLightCone)
