#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The scattering texture shows the rows every texture has, and no more.
class zkSubsurfaceScatteringTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkSubsurfaceScatteringTextureDescription() = default;

protected:
    void init() override;
};
