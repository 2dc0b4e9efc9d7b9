#pragma once

#include "zkdObject.h"

// The see-through colour of a material mapped by UV coordinates, and its texture.
class zkdUVTransparency : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdUVTransparency)
