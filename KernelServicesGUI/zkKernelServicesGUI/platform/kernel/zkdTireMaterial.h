#pragma once

#include "zkdMaterial.h"

// Rubber of tyres.
class zkdTireMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;
};

Q_DECLARE_METATYPE(zkdTireMaterial)
