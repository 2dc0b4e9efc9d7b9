#pragma once

#include "zkdObject.h"

// Per-material overrides of the raytracer's illumination, sampling and trace depth.
class zkdRaytracing : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum IlluminationMode {
        Precomputed,
        PrecomputedAndReflections,
        PrecomputedAndShadows,
        PrecomputedAndIBL,
        FullGlobalIllumination
    };
    Q_ENUM(IlluminationMode)
};

Q_DECLARE_METATYPE(zkdRaytracing)
