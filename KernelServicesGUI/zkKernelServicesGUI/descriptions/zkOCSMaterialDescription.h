#pragma once

#include "zkMaterialDescription.h"

// A material read from a measured BRDF file, under a clearcoat.
class zkOCSMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkOCSMaterialDescription() = default;

protected:
    void init() override;
};
