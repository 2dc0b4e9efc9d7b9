#pragma once

#include "zkBaseLightDescription.h"

// The editor of point lights, the base of spot lights.
class zkPointLightDescription : public zkBaseLightDescription
{
    Q_OBJECT
public:
    zkPointLightDescription() = default;

protected:
    void init() override;

    // A light profile gives the light's flux; without one, flux or intensity. A physically based
    // light falls off as light does, so it offers no attenuation.
    static void updateUnits(zkPropertyEditorWidget *widget);
};
