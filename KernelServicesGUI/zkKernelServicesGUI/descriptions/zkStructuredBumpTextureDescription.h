#pragma once

#include "zkTextureDescription.h"

// Relief of a structured surface: smooth or procedural only.
class zkStructuredBumpTextureDescription : public zkTextureDescription
{
    Q_OBJECT
public:
    zkStructuredBumpTextureDescription() = default;

protected:
    void init() override;
};
