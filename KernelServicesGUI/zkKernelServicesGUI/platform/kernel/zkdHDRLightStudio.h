#pragma once

#include "zkdObject.h"

// The link to an external HDR lighting editor.
class zkdHDRLightStudio : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum LightPaintMode {
        ReflectionPainting,
        IlluminationPainting,
        RimPainting
    };
    Q_ENUM(LightPaintMode)
};

Q_DECLARE_METATYPE(zkdHDRLightStudio)
