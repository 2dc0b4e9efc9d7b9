#pragma once

#include "zkdMaterial.h"

// A material generated from a procedural substance archive.
class zkdSubstanceMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;
};

Q_DECLARE_METATYPE(zkdSubstanceMaterial)
