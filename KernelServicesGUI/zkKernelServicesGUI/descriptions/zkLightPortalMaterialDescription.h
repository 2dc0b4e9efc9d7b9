#pragma once

#include "zkMaterialDescription.h"

// A light portal: how visible the portal itself is.
class zkLightPortalMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkLightPortalMaterialDescription() = default;

protected:
    void init() override;
};
