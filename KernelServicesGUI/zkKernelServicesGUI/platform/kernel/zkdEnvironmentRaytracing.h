#pragma once

#include "zkdObject.h"

// How the raytracer uses an environment.
class zkdEnvironmentRaytracing : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum IlluminationMode {
        FullSphere,
        UpperHemisphere
    };
    Q_ENUM(IlluminationMode)
};

Q_DECLARE_METATYPE(zkdEnvironmentRaytracing)
