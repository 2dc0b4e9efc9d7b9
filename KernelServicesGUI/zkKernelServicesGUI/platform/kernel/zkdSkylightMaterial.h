#pragma once

#include "zkdMaterial.h"

// An environment computed from a sky model, a date, a time and a location.
class zkdSkylightMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;
};

Q_DECLARE_METATYPE(zkdSkylightMaterial)
