#pragma once

#include "zkMaterialDescription.h"

// Glass: colours, the medium and its refraction, dispersion and the optional roughness and
// density, with the textures and components a glass embeds.
class zkGlassMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkGlassMaterialDescription() = default;

protected:
    void init() override;
};
