#pragma once

#include "zkMaterialDescription.h"

// See-through material whose transparency and colour follow Fresnel terms.
class zkXRayMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkXRayMaterialDescription() = default;

protected:
    void init() override;
};
