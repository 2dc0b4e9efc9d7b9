#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A texture mapped by UV coordinates or projected along the three axes.
class zkTriTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkTriTextureDescription() = default;

protected:
    void init() override;
};
