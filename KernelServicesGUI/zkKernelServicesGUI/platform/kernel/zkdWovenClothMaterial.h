#pragma once

#include "zkdBRDFMaterial.h"

// Procedurally woven cloth; a cloth preset sets the weave, the yarn and their colours.
class zkdWovenClothMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;

    enum ClothPresets {
        Custom,
        CottonJersey,
        CottonTwill3x1,
        Jeans,
        LinenFine,
        LinenCoarse,
        Nylon,
        Satin,
        Silk,
        TableClothCotton,
        Viscose
    };
    Q_ENUM(ClothPresets)

    enum WeaveType {
        PlainPattern,
        Twill3x1Pattern,
        Twill5x1Pattern,
        DenimPattern,
        SatinPattern,
        SilkPattern
    };
    Q_ENUM(WeaveType)

    enum YarnType {
        Staple,
        Filament
    };
    Q_ENUM(YarnType)
};

Q_DECLARE_METATYPE(zkdWovenClothMaterial)
