#pragma once

#include "zkMaterialDescription.h"

// A ground that catches shadows and, optionally, reflections.
class zkShadowMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkShadowMaterialDescription() = default;

protected:
    void init() override;
};
