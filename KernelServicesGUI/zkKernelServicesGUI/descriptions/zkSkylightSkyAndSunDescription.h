#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The sky model and the sun of a procedural sky.
class zkSkylightSkyAndSunDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkSkylightSkyAndSunDescription() = default;

protected:
    void init() override;
};
