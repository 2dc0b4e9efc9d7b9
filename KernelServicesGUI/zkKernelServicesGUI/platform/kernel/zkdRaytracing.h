#pragma once

#include "zkdObject.h"

// Per-material overrides of the raytracer's illumination, sampling and trace depth.
class zkdRaytracing : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    // In the renderer's order of cost, which is not the order in which editors list them.
    enum IlluminationMode {
        Precomputed,
        PrecomputedAndShadows,
        PrecomputedAndReflections,
        PrecomputedAndIBL,
        FullGlobalIllumination
    };
    Q_ENUM(IlluminationMode)
};

Q_DECLARE_METATYPE(zkdRaytracing)
