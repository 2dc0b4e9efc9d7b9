#pragma once

#include "zkdBRDFMaterial.h"

// Polished metal.
class zkdChromeMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;

    enum MetalType {
        HighlyReflective,
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

Q_DECLARE_METATYPE(zkdChromeMaterial)
