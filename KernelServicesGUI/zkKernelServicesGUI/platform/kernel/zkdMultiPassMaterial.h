#pragma once

#include "zkdMultiMaterial.h"

// Renders its sub-materials on top of each other in passes.
class zkdMultiPassMaterial : public zkdMultiMaterial
{
    Q_GADGET
public:
    using zkdMultiMaterial::zkdMultiMaterial;
};

Q_DECLARE_METATYPE(zkdMultiPassMaterial)
