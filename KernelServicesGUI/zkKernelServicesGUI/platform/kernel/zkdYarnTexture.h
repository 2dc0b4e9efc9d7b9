#pragma once

#include "zkdTexture.h"

// The yarn colours of woven cloth from an image.
class zkdYarnTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdYarnTexture)
