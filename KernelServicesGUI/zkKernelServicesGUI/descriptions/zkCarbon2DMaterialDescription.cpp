#include "zkCarbon2DMaterialDescription.h"

#include <zkDoubleSliderControl.h>
#include <zkdCarbon2DMaterial.h>
#include <zkdCarbonPattern2D.h>
#include <zkdClearcoat.h>
#include <zkdDisplacementTexture.h>
#include <zkdIncandescence.h>
#include <zkdStructuredBumpTexture.h>

namespace {

zkCarbon2DMaterialDescription instance;

} // namespace

void zkCarbon2DMaterialDescription::init()
{
    zkDescriptionBuilder<zkdCarbon2DMaterial> rows(getFactory());

    rows.group("Carbon 2D Material", tr("Crabon 2D Material"), rows.Expanded)
        .group("Clearcoat", tr("Clearcoat"), rows.Expanded)
        .group("Carbon Pattern", tr("Carbon Pattern"))
        .group("Bump Texture", tr("Bump Texture"))
        .group("Incandescence", tr("Incandescence"))
        .group("Transparency", tr("Transparency"))
        .group("Displacement Texture", tr("Displacement Texture"));

    initColor<zkdCarbon2DMaterial>("Carbon 2D Material");

    rows.editor<float, zkDoubleSliderControl>("roughness", [](zkDoubleSliderControlOptions &options) {
        options.group = "Carbon 2D Material";
        options.label = tr("Roughness");
        options.singleStep = 0.01;
    });

    rows.subObject<zkdClearcoat>("clearcoat", "Clearcoat", tr("Clearcoat"))
        .subObject<zkdCarbonPattern2D>("carbonPattern", "Carbon Pattern", tr("Carbon Pattern"))
        .subObject<zkdStructuredBumpTexture>("bumpTexture", "Bump Texture", tr("Bump Texture"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"))
        .subObject<zkdDisplacementTexture>("displacementTexture", "Displacement Texture",
                                           tr("Displacement Texture"));
}
