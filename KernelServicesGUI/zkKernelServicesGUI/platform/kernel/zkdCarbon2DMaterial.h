#pragma once

#include "zkdBRDFMaterial.h"

// Woven carbon fibre projected as a flat pattern.
class zkdCarbon2DMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdCarbon2DMaterial)
