#pragma once

#include "zkdMaterial.h"

// Marks openings through which the environment lights an interior.
class zkdLightPortalMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;
};

Q_DECLARE_METATYPE(zkdLightPortalMaterial)
