#pragma once

#include "zkdBRDFMaterial.h"

// Solid car paint under a clearcoat.
class zkdUnicolorPaintMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdUnicolorPaintMaterial)
