#pragma once

#include "zkMaterialDescription.h"

// Brushed metal: anisotropic roughness and a metal type that presets the reflectivity.
class zkBrushedMetalMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkBrushedMetalMaterialDescription() = default;

protected:
    void init() override;
};
