#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A glow element. A texture shape takes an image instead of a feathered edge, and a circle
// looks the same at any rotation.
class zkLensFlareGlowDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLensFlareGlowDescription() = default;

protected:
    void init() override;
};
