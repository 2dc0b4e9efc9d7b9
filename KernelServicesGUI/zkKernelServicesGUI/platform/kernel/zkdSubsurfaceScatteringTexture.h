#pragma once

#include "zkdTexture.h"

// The subsurface scattering colour from an image.
class zkdSubsurfaceScatteringTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;
};

Q_DECLARE_METATYPE(zkdSubsurfaceScatteringTexture)
