#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// One ghost of a ghost line. The outline decides which rows apply: a texture shape takes an
// image instead of edges, and a circle looks the same at any rotation.
class zkLensFlareGhostDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLensFlareGhostDescription() = default;

protected:
    void init() override;
};
