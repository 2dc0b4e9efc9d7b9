#include "zkDiffuseTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"
#include "zkTextureDescriptionRows.h"

#include <zkCheckBoxControl.h>
#include <zkDoubleSpinerControl.h>
#include <zkdDiffuseTexture.h>

namespace {

zkDiffuseTextureDescription instance;

} // namespace

void zkDiffuseTextureDescription::init()
{
    using namespace zkRowModifiers;
    zkDescriptionBuilder<zkdDiffuseTexture> rows(getFactory());

    rows.editor<bool, zkCheckBoxControl>("useAlpha", labelled<zkCheckBoxControlOptions>(tr("Use Alpha")))
        .editor<bool, zkCheckBoxControl>(
            "useCutout",
            checkBox(tr("Use Cutout Transparency"),
                     tr("Handles the transparency in a binary way.\nThis allows proper sorting in OpenGL\nand some "
                        "performance optimizations in raytracing.\nOpacity values less or equal to 0.5 will be "
                        "handled as fully transparent,\nvalues above 0.5 will be fully opaque.\nThis is useful for "
                        "rendering foliage or grates.")))
        .editor<float, zkDoubleSpinerControl>("gamma", zkTextureDescriptionRows::inputGamma())
        .after<bool>("useAlpha", "image")
        .after<bool>("useCutout", "useAlpha")
        .after<float>("gamma", "anisotropy");

    // The sibling textures of the material show the same cut-out switch.
    rows.onChanged<bool>("useCutout", [](zkPropertyEditorWidget *widget, bool) {
        if (zkPropertyEditorWidget *parent = widget ? widget->getParentPropertyEditor() : nullptr)
            parent->updatePropertyRecursive("useCutout", widget, false);
    });
}
