#pragma once

#include "zkdObject.h"

// Light a material emits, and whether it lights the scene.
class zkdIncandescence : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdIncandescence)
