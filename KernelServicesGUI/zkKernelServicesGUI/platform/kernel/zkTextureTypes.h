#pragma once

#include <QMetaType>
#include <QObject>

// How textures are placed on a surface and continued beyond their edges. Shared by the material
// textures and the light textures.
namespace zkTextureTypes {
Q_NAMESPACE

enum ProjectionType {
    UV = 0,
    Planar = 1,
    Triplanar = 2
};
Q_ENUM_NS(ProjectionType)

enum RepeatMode {
    Repeat = 0,
    Mirrored = 1,
    Decal = 2,
    Clamp = 3
};
Q_ENUM_NS(RepeatMode)

} // namespace zkTextureTypes
