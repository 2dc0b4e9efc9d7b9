#include "zkStructuredBumpTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>
#include <zkdStructuredBumpTexture.h>

namespace {

zkStructuredBumpTextureDescription instance;

} // namespace

void zkStructuredBumpTextureDescription::init()
{
    using zkRowModifiers::slider;
    using Structure = zkdBumpTexture::SurfaceStructure;
    zkDescriptionBuilder<zkdStructuredBumpTexture> rows(getFactory());

    rows.hidden<bool>("useTexture")
        .editor<Structure, zkComboBoxControl>("surfaceStructure",
                                              [](zkComboBoxControlOptions &options) {
                                                  options.label = tr("Surface Structure");
                                                  options.mappings = {
                                                      {tr("Smooth"), zkdBumpTexture::Smooth},
                                                      {tr("Procedural"), zkdBumpTexture::Procedural},
                                                  };
                                              })
        .editor<float, zkDoubleSliderControl>("bumpIntensity", slider(tr("Bump Intensity"), -10.0, 10.0))
        .editor<float, zkDoubleSliderControl>("structureSize", slider(tr("Structure Size"), 0.01, 2.0));

    // A smooth surface has no structure to set.
    rows.showWhen<Structure>("surfaceStructure", {"bumpIntensity", "structureSize"},
                             [](Structure structure) { return structure == zkdBumpTexture::Procedural; });
}
