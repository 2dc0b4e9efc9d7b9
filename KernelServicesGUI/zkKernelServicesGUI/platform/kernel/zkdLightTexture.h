#pragma once

#include "zkdObject.h"

// An image projected by a light, with its placement. Setting an image switches the texture on,
// removing it switches the texture off.
class zkdLightTexture : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdLightTexture)
