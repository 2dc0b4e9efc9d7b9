#pragma once

#include "zkdTexture.h"

// The glossy colour of a material from an image.
class zkdGlossyTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdGlossyTexture)
