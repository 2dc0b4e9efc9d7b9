#pragma once

#include "zkTextureDescription.h"

// Surface relief: smooth, a procedural structure or the texture's image, chosen by the surface
// structure, which also decides which relief rows apply.
class zkBumpTextureDescription : public zkTextureDescription
{
    Q_OBJECT
public:
    zkBumpTextureDescription() = default;

protected:
    void init() override;
};
