#pragma once

#include "zkdObject.h"

// A layer of pigments and metal flakes in metallic car paint.
class zkdFlakeLayer : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdFlakeLayer)
