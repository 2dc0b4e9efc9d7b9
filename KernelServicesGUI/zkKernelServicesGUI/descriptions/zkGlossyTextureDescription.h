#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The glossy texture is read with an input gamma.
class zkGlossyTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkGlossyTextureDescription() = default;

protected:
    void init() override;
};
