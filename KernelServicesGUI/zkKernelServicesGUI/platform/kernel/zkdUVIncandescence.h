#pragma once

#include "zkdObject.h"

// Light a material emits, mapped by UV coordinates, and whether it lights the scene.
class zkdUVIncandescence : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdUVIncandescence)
