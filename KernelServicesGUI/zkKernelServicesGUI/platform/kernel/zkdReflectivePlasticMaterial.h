#pragma once

#include "zkdBRDFMaterial.h"

// Plastic whose coat reflects with a Fresnel term.
class zkdReflectivePlasticMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;

    enum FresnelQuality {
        Fast,
        Accurate
    };
    Q_ENUM(FresnelQuality)
};

Q_DECLARE_METATYPE(zkdReflectivePlasticMaterial)
