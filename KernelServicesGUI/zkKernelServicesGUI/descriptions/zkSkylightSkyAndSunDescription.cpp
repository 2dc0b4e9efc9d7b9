#include "zkSkylightSkyAndSunDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdSkylightSkyAndSun.h>

#include <QVector3D>

namespace {

zkSkylightSkyAndSunDescription instance;

using SkyAndSun = zkdSkylightSkyAndSun;

} // namespace

void zkSkylightSkyAndSunDescription::init()
{
    using namespace zkRowModifiers;
    zkDescriptionBuilder<SkyAndSun>(getFactory())
        .editor<SkyAndSun::SkyModel, zkComboBoxControl>("skyModel",
                                                        [](zkComboBoxControlOptions &options) {
                                                            options.label = tr("Sky Model");
                                                            options.mappings = {
                                                                {tr("Realistic"), SkyAndSun::Realistic},
                                                                {tr("Artistic"), SkyAndSun::Artistic},
                                                            };
                                                        })
        .editor<float, zkDoubleSliderControl>("skyTurbidity", slider(tr("Sky Turbidity"), 1.9, 10.0))
        .editor<float, zkDoubleSliderControl>("sunScale", slider(tr("Sun Scale"), 0.2, 50.0))
        .editor<bool, zkCheckBoxControl>(
            "sunVisibleInSpecularReflections",
            labelled<zkCheckBoxControlOptions>(tr("Sun Visible in Specular Reflections")))
        .editor<bool, zkCheckBoxControl>("useMirroredSkyAsGround",
                                         labelled<zkCheckBoxControlOptions>(tr("Use Mirrored Sky as Ground")))
        .editor<QVector3D, zkColorManipulatorControl>("groundColor", [](zkColorManipulatorControlOptions &options) {
            options.label = tr("Ground Color");
            options.toolTip = tr("Ground Color");
        });
}
