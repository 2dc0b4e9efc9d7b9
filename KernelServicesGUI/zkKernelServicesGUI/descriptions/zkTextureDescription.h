#pragma once

#include <zkPropertyEditorDescriptionBase.h>

class zkPropertyEditorWidget;

// The rows every texture starts with: the image and its sequence, and the mapping that places
// the texture on the surface. Mapping rows copy their changes to the linked textures of the same
// material. Texture kinds derive from it for the rows of their own.
class zkTextureDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkTextureDescription() = default;

protected:
    void init() override;

    // A texture that is off shows its switch alone; a roughness texture that is on takes over the
    // parent material's roughness value. The rows of a bump texture's relief are its surface
    // structure's to show.
    static void showTextureRows(zkPropertyEditorWidget *widget, bool on);

private:
    // The texture size replaces the repeat values when the texture is scaled to the world.
    static void showScaleRows(zkPropertyEditorWidget *widget);
};
