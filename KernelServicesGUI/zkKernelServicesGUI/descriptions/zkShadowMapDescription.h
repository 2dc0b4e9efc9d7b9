#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// How the interactive renderer draws a light's shadows.
class zkShadowMapDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkShadowMapDescription() = default;

protected:
    void init() override;
};
