#pragma once

#include "zkdTexture.h"

// A texture mapped by UV coordinates or projected along the three axes.
class zkdTriTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;

    enum TextureMode {
        UVCoordinates,
        Triplanar
    };
    Q_ENUM(TextureMode)
};

Q_DECLARE_METATYPE(zkdTriTexture)
