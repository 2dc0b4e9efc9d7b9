#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A light's profile, edited on its own; in a light's editor the profile row shows the whole
// profile.
class zkLightProfileDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkLightProfileDescription() = default;

protected:
    void init() override;
};
