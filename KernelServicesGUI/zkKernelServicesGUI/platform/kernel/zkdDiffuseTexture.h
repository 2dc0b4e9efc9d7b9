#pragma once

#include "zkdTexture.h"

// The diffuse colour of a material from an image.
class zkdDiffuseTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdDiffuseTexture)
