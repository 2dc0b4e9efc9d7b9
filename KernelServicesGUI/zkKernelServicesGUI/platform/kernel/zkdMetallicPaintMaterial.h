#pragma once

#include "zkdBRDFMaterial.h"

// Car paint with one or two flake layers under a clearcoat.
class zkdMetallicPaintMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;

    // Written values come from outside too, so every int is a valid value.
    enum PaintType : int {
        Artistic,
        TwoCoat,
        ThreeCoat
    };
    Q_ENUM(PaintType)
};

Q_DECLARE_METATYPE(zkdMetallicPaintMaterial)
