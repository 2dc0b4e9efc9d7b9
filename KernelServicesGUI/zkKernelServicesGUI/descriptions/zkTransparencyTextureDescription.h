#pragma once

#include "zkTextureDescription.h"

// Opacity from the texture's image, as a cut-out or inverted.
class zkTransparencyTextureDescription : public zkTextureDescription
{
    Q_OBJECT
public:
    zkTransparencyTextureDescription() = default;

protected:
    void init() override;
};
