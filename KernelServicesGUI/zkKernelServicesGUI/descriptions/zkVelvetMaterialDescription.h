#pragma once

#include "zkMaterialDescription.h"

// Velvet: darkening and falloff of the sheen, with cloth textures.
class zkVelvetMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkVelvetMaterialDescription() = default;

protected:
    void init() override;
};
