#pragma once

#include "zkdObject.h"

// A clear lacquer layer on top of a material.
class zkdClearcoat : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum Type {
        Off,
        Fast,
        Accurate
    };
    Q_ENUM(Type)
};

Q_DECLARE_METATYPE(zkdClearcoat)
