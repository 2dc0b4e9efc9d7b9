#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The link to the external HDR lighting editor; the paint mode only matters while painting.
class zkHDRLightStudioDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkHDRLightStudioDescription() = default;

protected:
    void init() override;
};
