#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The colour texture: its alpha as opacity or cut-out, and the gamma its image is read with.
class zkDiffuseTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkDiffuseTextureDescription() = default;

protected:
    void init() override;
};
