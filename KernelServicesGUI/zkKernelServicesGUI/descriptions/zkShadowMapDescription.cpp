#include "zkShadowMapDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdShadowMap.h>

namespace {

zkShadowMapDescription instance;

} // namespace

void zkShadowMapDescription::init()
{
    zkDescriptionBuilder<zkdShadowMap>(getFactory())
        .editor<float, zkDoubleSliderControl>("filterRadius",
                                              [](zkDoubleSliderControlOptions &options) {
                                                  options.label = tr("Map Filter Radius");
                                                  options.singleStep = 0.001;
                                                  options.toolTip = tr("Sets the radius used for filtering the "
                                                                       "shadow map lookup in OpenGL");
                                              })
        .editor<int, zkComboBoxControl>("resolution", [](zkComboBoxControlOptions &options) {
            options.label = tr("Map Resolution");
            for (int size = 128; size <= 16384; size *= 2)
                options.mappings.append({QString::number(size), size});
            options.toolTip = tr("<html><head/><body><p>Sets the shadow map resolution for this lightsource in "
                                 "OpenGL. Be aware that higher resolutions can require a lot of VRAM and can slow "
                                 "down rendering a lot.</p></body></html>");
        });
}
