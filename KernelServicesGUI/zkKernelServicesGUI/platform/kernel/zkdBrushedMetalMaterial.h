#pragma once

#include "zkdBRDFMaterial.h"

// Anisotropic metal with brush strokes; a metal type presets the reflectivity.
class zkdBrushedMetalMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;

    enum MetalType {
        CustomReflectivity,
        Aluminium,
        AmorphousCarbon,
        Silver,
        Gold,
        Cobalt,
        Copper,
        Chromium,
        Lithium,
        Mercury,
        Nickel,
        Potassium,
        Platinum,
        Iridium,
        Silicon,
        AmorphousSilicon,
        Sodium,
        Rhodium,
        Tungsten,
        Vanadium,
        Iron
    };
    Q_ENUM(MetalType)
};

Q_DECLARE_METATYPE(zkdBrushedMetalMaterial)
