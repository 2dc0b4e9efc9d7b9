#pragma once

#include "zkdTexture.h"

// Roughness from an image, mapped into a range.
class zkdRoughnessTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdRoughnessTexture)
