#pragma once

#include "zkdBRDFMaterial.h"

// Chrome for line geometry rendered as tubes.
class zkdLineChromeMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;
};

Q_DECLARE_METATYPE(zkdLineChromeMaterial)
