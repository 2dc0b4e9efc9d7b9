#pragma once

#include "zkdObject.h"

// The see-through colour of a material and its texture.
class zkdTransparency : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdTransparency)
