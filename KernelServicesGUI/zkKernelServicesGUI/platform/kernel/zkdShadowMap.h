#pragma once

#include "zkdObject.h"

// The settings of a light's shadow map in the interactive renderer.
class zkdShadowMap : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdShadowMap)
