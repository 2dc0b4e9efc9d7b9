#pragma once

#include "zkdTexture.h"

// The diffuse colour from an image mapped by UV coordinates only.
class zkdUVDiffuseTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdUVDiffuseTexture)
