#pragma once

#include "zkdBRDFMaterial.h"

// Transparent dielectric; a medium presets the refraction index and the Abbe number, and the
// refraction index gives the reflectivity unless a custom one is used.
class zkdGlassMaterial : public zkdBRDFMaterial
{
    Q_GADGET
public:
    using zkdBRDFMaterial::zkdBRDFMaterial;

    enum MediumType {
        Custom,
        Diamond,
        Polysilicon,
        AcrylicGlass,
        Polystyrene
    };
    Q_ENUM(MediumType)

    enum DispersionInputType {
        AbbeNumberDLine,
        AbbeNumberELine,
        SpectralDistribution
    };
    Q_ENUM(DispersionInputType)

    enum FresnelQualityType {
        Fast,
        Accurate
    };
    Q_ENUM(FresnelQualityType)
};

Q_DECLARE_METATYPE(zkdGlassMaterial)
