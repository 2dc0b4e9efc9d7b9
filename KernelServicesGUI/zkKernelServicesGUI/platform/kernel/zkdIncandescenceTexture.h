#pragma once

#include "zkdTexture.h"

// Emitted light from an image.
class zkdIncandescenceTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdIncandescenceTexture)
