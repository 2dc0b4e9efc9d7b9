#pragma once

#include "zkdTexture.h"

// The exterior transparency of glass from an image.
class zkdExteriorTransparencyTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdExteriorTransparencyTexture)
