#pragma once

#include "zkdTexture.h"

// Geometry displaced along the normals by an image.
class zkdDisplacementTexture : public zkdTexture
{
    Q_GADGET
public:
    using zkdTexture::zkdTexture;

    enum DisplacementSilhouetteMode {
        ApproximateSilhouettes,
        AccurateSilhouettes
    };
    Q_ENUM(DisplacementSilhouetteMode)
};

Q_DECLARE_METATYPE(zkdDisplacementTexture)
