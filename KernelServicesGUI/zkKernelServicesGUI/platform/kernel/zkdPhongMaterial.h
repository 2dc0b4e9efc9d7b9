#pragma once

#include "zkdBRDFMaterial.h"

// The classic diffuse plus glossy material.
class zkdPhongMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdPhongMaterial)
