#pragma once

#include "zkdTexture.h"
#include "zkdBumpTexture.h"

// The relief of a woven structure such as carbon fibre.
class zkdStructuredBumpTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdStructuredBumpTexture)
