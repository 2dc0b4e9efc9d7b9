#pragma once

#include "zkMaterialDescription.h"

// Carbon fibre with a three-dimensional weave pattern under a clearcoat.
class zkCarbonMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkCarbonMaterialDescription() = default;

protected:
    void init() override;
};
