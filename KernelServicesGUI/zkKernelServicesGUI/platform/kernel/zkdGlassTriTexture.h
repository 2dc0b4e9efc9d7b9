#pragma once

#include "zkdTriTexture.h"

// The colour texture of glass.
class zkdGlassTriTexture : public zkdTriTexture
{
    Q_GADGET
public:
    using zkdTriTexture::zkdTriTexture;
};

Q_DECLARE_METATYPE(zkdGlassTriTexture)
