#pragma once

#include "zkdBRDFMaterial.h"

// Car paint whose flakes change colour with the viewing angle.
class zkdFlipflopMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdFlipflopMaterial)
