#pragma once

#include "zkdMaterial.h"

// Catches shadows and reflections on a ground that should otherwise stay invisible.
class zkdShadowMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;

    enum OpacityMode {
        Transparent,
        Solid
    };
    Q_ENUM(OpacityMode)

    enum ReflectionMode {
        Off,
        DiffuseOnly,
        GlossyOnly,
        DiffuseAndGlossy
    };
    Q_ENUM(ReflectionMode)
};

Q_DECLARE_METATYPE(zkdShadowMaterial)
