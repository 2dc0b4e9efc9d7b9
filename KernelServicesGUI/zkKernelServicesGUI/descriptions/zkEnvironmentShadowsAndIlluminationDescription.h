#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The light sources an environment is reduced to for shadows.
class zkEnvironmentShadowsAndIlluminationDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkEnvironmentShadowsAndIlluminationDescription() = default;

protected:
    void init() override;
};
