#pragma once

#include "zkdMultiMaterial.h"

// Blends its sub-materials as layers.
class zkdLayeredMaterial : public zkdMultiMaterial
{
    Q_GADGET
public:
    using zkdMultiMaterial::zkdMultiMaterial;
};

Q_DECLARE_METATYPE(zkdLayeredMaterial)
