#pragma once

#include "zkdBRDFMaterial.h"

// See-through material that shows the inside of an object.
class zkdXRayMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdXRayMaterial)
