#pragma once

#include "zkdObject.h"

// The clearcoat of a measured colour-science material.
class zkdOCSClearcoat : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum FresnelQuality {
        Off,
        Fast,
        Accurate,
        UseFresnelIOR
    };
    Q_ENUM(FresnelQuality)
};

Q_DECLARE_METATYPE(zkdOCSClearcoat)
