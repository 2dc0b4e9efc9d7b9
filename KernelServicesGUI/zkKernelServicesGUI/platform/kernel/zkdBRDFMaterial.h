#pragma once

#include "zkdMaterial.h"

// A material whose surface is described by a reflectance function; the common base of the
// surface materials, with their transparency, raytracing, rounded edges and common settings.
class zkdBRDFMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;
};

Q_DECLARE_METATYPE(zkdBRDFMaterial)
