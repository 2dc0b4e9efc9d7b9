#pragma once

#include "zkMaterialDescription.h"

// Plastic: diffuse and glossy colours with a reflectivity and its textures.
class zkPlasticMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkPlasticMaterialDescription() = default;

protected:
    void init() override;
};
