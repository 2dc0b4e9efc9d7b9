#include "zkEnvironmentRaytracingDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkIntegerSliderControl.h>
#include <zkdEnvironmentRaytracing.h>

#include <QString>

namespace {

zkEnvironmentRaytracingDescription instance;

using Raytracing = zkdEnvironmentRaytracing;

std::function<void(zkIntegerSliderControlOptions &)> slider(const QString &label, int maximum,
                                                            const QString &toolTip = QString())
{
    return [label, maximum, toolTip](zkIntegerSliderControlOptions &options) {
        options.label = label;
        options.minimum = 0;
        options.maximum = maximum;
        options.singleStep = 1;
        options.toolTip = toolTip;
    };
}

} // namespace

void zkEnvironmentRaytracingDescription::init()
{
    using zkRowModifiers::checkBox;
    zkDescriptionBuilder<Raytracing> rows(getFactory());

    rows.editor<bool, zkCheckBoxControl>(
            "isVisibleInReflections",
            checkBox(tr("Is Visible in Reflections"), tr("Toggles the visibility of the environment in reflections.")))
        .editor<bool, zkCheckBoxControl>(
            "isLightsource",
            checkBox(tr("Use as Lightsource"),
                     tr("<span>Does not calculate diffuse or glossy illumination, when disabled. Only one visible "
                        "environment should have this enabled otherwise, ZELK won't know which environment to use "
                        "as a light source.</span>")))
        .editor<bool, zkCheckBoxControl>(
            "useAccurateReflections",
            checkBox(tr("Use Accurate Geometry"),
                     tr("<span>Uses the real environment geometry, when enabled, for more accurate diffuse and "
                        "glossy illumination in Precomputed+IBL and Full Global Illumination Mode (at the cost of a "
                        "20 to 25 percent performance hit compared to the default finite sphere environment). It is "
                        "disabled by default, so all diffuse and glossy reflection calculations are based on the "
                        "virtual sphere of the environment.</span>")))
        .editor<bool, zkCheckBoxControl>(
            "emitCaustics",
            checkBox(tr("Emit Caustics"),
                     tr("<span>Enables the HDR to emit caustics. Only supported in Full Global Illumination. Mode "
                        "with caustics (Photon Tracing mode 'Caustics + Indirect').</span>")))
        .editor<int, zkIntegerSliderControl>("materialId",
                                             slider(tr("Material ID"), 31, tr("Sets the ID of the material.")))
        .editor<Raytracing::IlluminationMode, zkComboBoxControl>(
            "illuminationMode", [](zkComboBoxControlOptions &options) {
                options.label = tr("Illumination");
                options.separator = true;
                options.mappings = {
                    {tr("Full Sphere"), Raytracing::FullSphere},
                    {tr("Upper Hemisphere"), Raytracing::UpperHemisphere},
                };
            });

    rows.editor<bool, zkCheckBoxControl>(
            "overrideIblSampling",
            checkBox(tr("Override IBL Sampling Quality"),
                     tr("<span>Overrides the global IBL sampling quality for sampling the environment map during "
                        "interactive or still frame rendering.</span>")))
        .editor<int, zkIntegerSliderControl>("interactiveIblSamplingQuality", slider(tr("Interactive"), 4))
        .editor<int, zkIntegerSliderControl>("stillFrameIblSamplingQuality", slider(tr("Still Frame"), 4))
        .enableWhen("overrideIblSampling", {"interactiveIblSamplingQuality", "stillFrameIblSamplingQuality"});
}
