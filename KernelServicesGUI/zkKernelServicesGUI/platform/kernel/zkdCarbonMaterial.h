#pragma once

#include "zkdBRDFMaterial.h"

// Woven carbon fibre with a three-dimensional weave.
class zkdCarbonMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdCarbonMaterial)
