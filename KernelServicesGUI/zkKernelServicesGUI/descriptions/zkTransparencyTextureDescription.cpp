#include "zkTransparencyTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkdTransparencyTexture.h>

namespace {

zkTransparencyTextureDescription instance;

} // namespace

void zkTransparencyTextureDescription::init()
{
    using zkRowModifiers::checkBox;
    zkDescriptionBuilder<zkdTransparencyTexture> rows(getFactory());

    rows.editor<bool, zkCheckBoxControl>(
            "useCutout",
            checkBox(tr("Use Cutout Transparency"),
                     tr("<span>Handles the transparency in a binary way.\nThis allows proper sorting in OpenGL and "
                        "some performance optimizations in raytracing. Opacity values less or equal to 0.5 will be "
                        "handled as fully transparent, values above 0.5 will be fully opaque. This is useful for "
                        "rendering foliage or grates.</span>")))
        .editor<bool, zkCheckBoxControl>("invertTexture",
                                         checkBox(tr("Invert Texture"),
                                                  tr("Inverts the transparency, opaque areas will become transparent "
                                                     "and vice versa.")))
        .after<bool>("useCutout", "image");

    // The transparency sits in a component of the material, whose editor holds the other
    // textures with the same switch.
    rows.onChanged<bool>("useCutout", [](zkPropertyEditorWidget *widget, bool) {
        zkPropertyEditorWidget *parent = widget ? widget->getParentPropertyEditor() : nullptr;
        if (zkPropertyEditorWidget *outer = parent ? parent->getParentPropertyEditor() : nullptr)
            outer->updatePropertyRecursive("useCutout", widget, false);
    });
}
