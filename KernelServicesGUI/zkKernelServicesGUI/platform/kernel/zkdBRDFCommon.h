#pragma once

#include "zkdObject.h"

// Settings every surface material shares: occlusion, sorting, a local environment and the
// lighting mode.
class zkdBRDFCommon : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum LightingMode {
        IBLIndirectAndDirectLights,
        IBLAndIndirect,
        IBLAndDirectLights,
        IBL,
        DirectLights
    };
    Q_ENUM(LightingMode)

    enum VrsQuality {
        Off,
        OneSample,
        OneSamplePer4Pixels,
        OneSamplePer16Pixels,
        TwoSamples,
        FourSamples,
        EightSamples
    };
    Q_ENUM(VrsQuality)
};

Q_DECLARE_METATYPE(zkdBRDFCommon)
