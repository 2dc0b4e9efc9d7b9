#pragma once

#include "zkdTexture.h"

// Surface relief from a procedural structure or a texture.
class zkdBumpTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;

    enum SurfaceStructure {
        Smooth,
        Procedural,
        Texture,
        ChooseSurfaceStructureMode
    };
    Q_ENUM(SurfaceStructure)

    enum BumpType {
        BumpMapping,
        DisplacementMapping
    };
    Q_ENUM(BumpType)
};

Q_DECLARE_METATYPE(zkdBumpTexture)
