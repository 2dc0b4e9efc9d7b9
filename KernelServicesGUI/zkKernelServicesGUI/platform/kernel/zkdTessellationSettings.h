#pragma once

#include "zkdObject.h"

// How curved surfaces are turned into triangles when a model is imported or retessellated.
class zkdTessellationSettings : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdTessellationSettings)
