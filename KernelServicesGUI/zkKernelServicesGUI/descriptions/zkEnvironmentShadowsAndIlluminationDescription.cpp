#include "zkEnvironmentShadowsAndIlluminationDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkSpinerControl.h>
#include <zkdEnvironmentShadowsAndIllumination.h>

#include <QString>

namespace {

zkEnvironmentShadowsAndIlluminationDescription instance;

std::function<void(zkDoubleSliderControlOptions &)> slider(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkDoubleSliderControlOptions &options) {
        options.label = label;
        options.singleStep = 0.01;
        options.toolTip = toolTip;
    };
}

} // namespace

void zkEnvironmentShadowsAndIlluminationDescription::init()
{
    using zkRowModifiers::checkBox;
    zkDescriptionBuilder<zkdEnvironmentShadowsAndIllumination>(getFactory())
        .editor<uint, zkSpinerControl>("lightsourcesCount",
                                       [](zkSpinerControlOptions &options) {
                                           options.label = tr("Shadow Lightsources");
                                           options.minimum = 0;
                                           options.maximum = 65536;
                                           options.singleStep = 1;
                                           options.toolTip = tr("Specifies the lightsource to use for shadows.");
                                       })
        .editor<bool, zkCheckBoxControl>(
            "useLightsourcesOnly",
            checkBox(tr("Use Lightsources only"),
                     tr("<span>Uses only the specified light sources for casting environment shadows, when "
                        "enabled.</span>")))
        .editor<float, zkDoubleSliderControl>(
            "materialShadowIntensity",
            slider(tr("Material Shadow Intensity"), tr("Sets the intensity of the material shadows.")))
        .editor<float, zkDoubleSliderControl>(
            "groundShadowIntensity",
            slider(tr("Ground Shadow Intensity"), tr("Sets the intensity of the ground shadows.")))
        .editor<float, zkDoubleSliderControl>("mapFilterRadius",
                                              slider(tr("Map Filter Radius"), tr("Sets the map filter radius.")))
        .editor<uint, zkComboBoxControl>("mapResolution", [](zkComboBoxControlOptions &options) {
            options.label = tr("Map Resolution");
            // The kernel stores the resolution in pixels.
            for (uint size = 128; size <= 16384; size *= 2)
                options.mappings.append({QString::number(size), size});
            options.toolTip = tr("Specifies the resolution used for the environment map.");
        });
}
