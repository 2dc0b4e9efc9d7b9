#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The glass tri-texture's repeats are one value; a change of the first shows in all three.
class zkGlassTriTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkGlassTriTextureDescription() = default;

protected:
    void init() override;
};
