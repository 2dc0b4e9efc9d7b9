#include "zkCarbonMaterialDescription.h"

#include <zkDoubleSliderControl.h>
#include <zkdCarbonMaterial.h>
#include <zkdCarbonPattern3D.h>
#include <zkdClearcoat.h>
#include <zkdDisplacementTexture.h>
#include <zkdIncandescence.h>
#include <zkdStructuredBumpTexture.h>

namespace {

zkCarbonMaterialDescription instance;

} // namespace

void zkCarbonMaterialDescription::init()
{
    zkDescriptionBuilder<zkdCarbonMaterial> rows(getFactory());

    rows.group("Carbon Material", tr("Crabon Material"), rows.Expanded)
        .group("Clearcoat", tr("Clearcoat"), rows.Expanded)
        .group("Carbon Pattern", tr("Carbon Pattern"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    initColor<zkdCarbonMaterial>("Carbon Material");

    rows.editor<float, zkDoubleSliderControl>("roughness", [](zkDoubleSliderControlOptions &options) {
        options.group = "Carbon Material";
        options.label = tr("Roughness");
        options.singleStep = 0.01;
    });

    rows.subObject<zkdClearcoat>("clearcoat", "Clearcoat", tr("Clearcoat"))
        .subObject<zkdCarbonPattern3D>("carbonPattern", "Carbon Pattern", tr("Carbon Pattern"))
        .subObject<zkdStructuredBumpTexture>("bumpTexture", "Bump Texture", tr("Bump Texture"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));
}
