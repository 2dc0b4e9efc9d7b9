#pragma once

#include "zkPointLightDescription.h"

// The editor of spot lights: a point light's, with the cone after the attenuation.
class zkSpotLightDescription : public zkPointLightDescription
{
    Q_OBJECT
public:
    zkSpotLightDescription() = default;

protected:
    void init() override;

private:
    void initConeControls();
};
