#pragma once

#include "zkdMaterial.h"

// An environment generated from a procedural substance panorama.
class zkdSubstanceEnvironmentMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;
};

Q_DECLARE_METATYPE(zkdSubstanceEnvironmentMaterial)
