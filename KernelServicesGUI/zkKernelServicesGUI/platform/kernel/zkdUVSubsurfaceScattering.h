#pragma once

#include "zkdObject.h"

// Light scattered below the surface, mapped by UV coordinates; a medium presets the
// refraction index.
class zkdUVSubsurfaceScattering : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum Mode {
        NoScattering,
        ThinWalledTranslucency,
        VolumeScattering
    };
    Q_ENUM(Mode)

    enum MediaType {
        CustomMedium,
        Diamond,
        Polysilicon,
        AcrylicGlass,
        Polystyrene,
        Polycarbonates,
        Ethanol,
        Methanol,
        Water19C,
        Water24C,
        CrownGlass,
        LanthanumDenseFlintGlass,
        BariumFlintGlass,
        DenseFlintGlass,
        FusedSilica,
        FusedGermania
    };
    Q_ENUM(MediaType)
};

Q_DECLARE_METATYPE(zkdUVSubsurfaceScattering)
