#pragma once

#include "zkMaterialDescription.h"

// Plastic whose coat reflects with a Fresnel term of selectable quality.
class zkReflectivePlasticMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkReflectivePlasticMaterialDescription() = default;

protected:
    void init() override;
};
