#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The exterior transparency texture shows the rows every texture has, and no more.
class zkExteriorTransparencyTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkExteriorTransparencyTextureDescription() = default;

protected:
    void init() override;
};
