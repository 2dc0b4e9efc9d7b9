#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The incandescence texture shows the rows every texture has, and no more.
class zkIncandescenceTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkIncandescenceTextureDescription() = default;

protected:
    void init() override;
};
