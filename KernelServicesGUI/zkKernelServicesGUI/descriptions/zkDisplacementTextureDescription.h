#pragma once

#include "zkTextureDescription.h"

// Geometry displaced by the texture's image; it has no anisotropic filtering.
class zkDisplacementTextureDescription : public zkTextureDescription
{
    Q_OBJECT
public:
    zkDisplacementTextureDescription() = default;

protected:
    void init() override;
};
