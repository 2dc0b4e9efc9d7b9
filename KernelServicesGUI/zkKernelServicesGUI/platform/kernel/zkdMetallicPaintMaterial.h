#pragma once

#include "zkdBRDFMaterial.h"

// Car paint with one or two flake layers under a clearcoat.
class zkdMetallicPaintMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;

    enum PaintType {
        Artistic,
        TwoCoat,
        ThreeCoat
    };
    Q_ENUM(PaintType)
};

Q_DECLARE_METATYPE(zkdMetallicPaintMaterial)
