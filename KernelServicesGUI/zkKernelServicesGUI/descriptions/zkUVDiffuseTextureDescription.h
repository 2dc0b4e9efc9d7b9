#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The UV diffuse texture is always mapped by UV coordinates, read with an input gamma.
class zkUVDiffuseTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkUVDiffuseTextureDescription() = default;

protected:
    void init() override;
};
