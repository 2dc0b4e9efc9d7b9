#pragma once

#include "zkdBRDFMaterial.h"

// Cloth with a velvety sheen at grazing angles.
class zkdVelvetMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdVelvetMaterial)
