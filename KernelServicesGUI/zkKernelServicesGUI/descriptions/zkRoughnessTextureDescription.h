#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The roughness texture maps its image onto a range of roughness.
class zkRoughnessTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkRoughnessTextureDescription() = default;

protected:
    void init() override;
};
