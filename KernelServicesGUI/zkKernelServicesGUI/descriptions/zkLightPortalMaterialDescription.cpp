#include "zkLightPortalMaterialDescription.h"

#include <zkDoubleSliderControl.h>
#include <zkdLightPortalMaterial.h>

namespace {

zkLightPortalMaterialDescription instance;

} // namespace

void zkLightPortalMaterialDescription::init()
{
    zkDescriptionBuilder<zkdLightPortalMaterial> rows(getFactory());

    rows.group("Light Portal Material", tr("Light Portal Material"), rows.Expanded);

    rows.editor<float, zkDoubleSliderControl>("visibility", [](zkDoubleSliderControlOptions &options) {
        options.group = "Light Portal Material";
        options.label = tr("Visibility");
        options.singleStep = 0.01;
    });
}
