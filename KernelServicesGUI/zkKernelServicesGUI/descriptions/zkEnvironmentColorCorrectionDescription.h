#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// Colour correction of an environment image.
class zkEnvironmentColorCorrectionDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkEnvironmentColorCorrectionDescription() = default;

protected:
    void init() override;
};
