#pragma once

#include "zkdTexture.h"

// Transparency from an image, optionally as a cutout.
class zkdTransparencyTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdTransparencyTexture)
