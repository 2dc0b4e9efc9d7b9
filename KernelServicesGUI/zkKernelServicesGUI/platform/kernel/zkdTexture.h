#pragma once

#include "zkTextureTypes.h"
#include "zkdObject.h"

// An image applied to a material channel, with its mapping: UV, planar or triplanar projection,
// repeat, offset and rotation. The base of every texture kind. While linkTextureSettings is on,
// the mapping is shared with the other linked textures of the same material.
class zkdTexture : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdTexture)
