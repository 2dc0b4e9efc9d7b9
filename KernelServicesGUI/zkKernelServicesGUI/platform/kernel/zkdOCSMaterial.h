#pragma once

#include "zkdMaterial.h"

// A material measured by a colour-science device, loaded from a BRDF file.
class zkdOCSMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;
};

Q_DECLARE_METATYPE(zkdOCSMaterial)
