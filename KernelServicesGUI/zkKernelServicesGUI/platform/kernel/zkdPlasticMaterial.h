#pragma once

#include "zkdBRDFMaterial.h"

// Diffuse base under a glossy coat.
class zkdPlasticMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdPlasticMaterial)
