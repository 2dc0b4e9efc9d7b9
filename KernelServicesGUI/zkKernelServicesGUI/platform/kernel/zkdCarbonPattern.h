#pragma once

#include "zkdObject.h"

// The weave of carbon fibre.
class zkdCarbonPattern : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum Type {
        Pattern2x2,
        Staircase3x1,
        Interweaved3x1,
        Pattern5x1
    };
    Q_ENUM(Type)
};

Q_DECLARE_METATYPE(zkdCarbonPattern)
