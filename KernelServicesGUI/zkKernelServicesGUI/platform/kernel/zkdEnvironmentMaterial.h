#pragma once

#include "zkdMaterial.h"

// Image-based lighting from an environment image on a dome, sphere, cube or custom geometry.
class zkdEnvironmentMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;

    enum GeometryType {
        Custom = 0,
        Dome = 1,
        Sphere = 2,
        Cube = 3
    };
    Q_ENUM(GeometryType)
};

Q_DECLARE_METATYPE(zkdEnvironmentMaterial)
