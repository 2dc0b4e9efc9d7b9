#include "zkRaytracingDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleWheelControl.h>
#include <zkIntegerSliderControl.h>
#include <zkdRaytracing.h>

#include <QString>

namespace {

zkRaytracingDescription instance;

using zkRowModifiers::checkBox;

using Raytracing = zkdRaytracing;

// The items of both illumination mode rows, paired with the kernel's values by meaning.
QList<zkComboBoxControlOptions::Entry> illuminationModes()
{
    return {
        {zkRaytracingDescription::tr("Precomputed"), Raytracing::Precomputed},
        {zkRaytracingDescription::tr("Precomputed + Reflections"), Raytracing::PrecomputedAndReflections},
        {zkRaytracingDescription::tr("Precomputed + Shadows"), Raytracing::PrecomputedAndShadows},
        {zkRaytracingDescription::tr("Precomputed + IBL"), Raytracing::PrecomputedAndIBL},
        {zkRaytracingDescription::tr("Full Global Illumination"), Raytracing::FullGlobalIllumination},
    };
}

std::function<void(zkIntegerSliderControlOptions &)> slider(const QString &label, int maximum,
                                                            const QString &toolTip, bool separator = false)
{
    return [label, maximum, toolTip, separator](zkIntegerSliderControlOptions &options) {
        options.label = label;
        options.minimum = 0;
        options.maximum = maximum;
        options.singleStep = 1;
        options.toolTip = toolTip;
        options.separator = separator;
    };
}

} // namespace

void zkRaytracingDescription::init()
{
    zkDescriptionBuilder<Raytracing> rows(getFactory());

    rows.editor<int, zkIntegerSliderControl>("materialId", slider(tr("Material ID"), 31, tr("Sets the ID of the material")))
        .editor<float, zkDoubleWheelControl>(
            "lineTubeRadius",
            [](zkDoubleWheelControlOptions &options) {
                options.label = tr("Line Tube Radius");
                options.singleStep = 0.01;
                options.toolTip = tr("<span>Radius of tubes that are used to render lines in raytracing (given in "
                                     "object space)</span>");
            })
        .editor<bool, zkCheckBoxControl>("useLocalEnvironment",
                                         checkBox(tr("Use Local Environment"), tr("Use Local Environment")))
        .editor<bool, zkCheckBoxControl>(
            "ignorePhotonMap",
            checkBox(tr("Ignore Photon Map"),
                     tr("<span>Uses path tracing on this material even when photon mapping is turned on.</span>"),
                     true));

    rows.editor<bool, zkCheckBoxControl>(
            "overrideIllumination",
            checkBox(tr("Override Illumination Mode"), tr("Overrides the global set illumination modes for rendering")))
        .editor<Raytracing::IlluminationMode, zkComboBoxControl>(
            "interactiveIlluminationMode",
            [](zkComboBoxControlOptions &options) {
                options.label = tr("Interactive");
                options.mappings = illuminationModes();
                options.toolTip =
                    tr("<span>Overrides the global set illumination modes for interactive rendering</span>");
            })
        .editor<Raytracing::IlluminationMode, zkComboBoxControl>(
            "stillFrameIlluminationMode", [](zkComboBoxControlOptions &options) {
                options.label = tr("Still Frame");
                options.separator = true;
                options.mappings = illuminationModes();
                options.toolTip =
                    tr("<span>Overrides the global set illumination modes for still frame rendering</span>");
            });

    rows.editor<bool, zkCheckBoxControl>(
            "overrideIblSampling",
            checkBox(tr("Override IBL Sampling Quality"),
                     tr("<span>Overrides the global IBL Sampling quality for sampling the environment map for "
                        "rendering</span>")))
        .editor<int, zkIntegerSliderControl>(
            "interactiveIblSamplingQuality",
            slider(tr("Interactive"), 4,
                   tr("<span>Overrides the global IBL Sampling quality for sampling the environment map for "
                      "interactive rendering</span>")))
        .editor<int, zkIntegerSliderControl>(
            "stillFrameIblSamplingQuality",
            slider(tr("Still Frame"), 4,
                   tr("<span>Overrides the global IBL Sampling quality for sampling the environment map for still "
                      "frame rendering</span>"),
                   true));

    rows.editor<bool, zkCheckBoxControl>(
            "overrideReflectionSampling",
            checkBox(tr("Override Reflection/Refraction Sampling Quality"),
                     tr("<span>Overrides the global sampling quality for reflections and refractions for "
                        "rendering</span>")))
        .editor<int, zkIntegerSliderControl>(
            "interactiveReflectionSamplingQuality",
            slider(tr("Interactive"), 4,
                   tr("<span>Overrides the global sampling quality for reflections and refractions for interactive "
                      "rendering</span>")))
        .editor<int, zkIntegerSliderControl>(
            "stillFrameReflectionSamplingQuality",
            slider(tr("Still Frame"), 4,
                   tr("<span>Overrides the global sampling quality for reflections and refractions for still frame "
                      "rendering</span>"),
                   true));

    rows.editor<bool, zkCheckBoxControl>(
            "overrideTraceDepth",
            checkBox(tr("Override Trace Depth"), tr("Overrides the global set trace depth modes during rendering")))
        .editor<int, zkIntegerSliderControl>(
            "interactiveTraceDepth",
            slider(tr("Interactive"), 32,
                   tr("<span>Overrides the global set trace depth modes during interactive rendering</span>")))
        .editor<int, zkIntegerSliderControl>(
            "stillFrameTraceDepth",
            slider(tr("Still Frame"), 32,
                   tr("<span>Overrides the global set trace depth modes during still-frame rendering</span>")));

    rows.enableWhen("overrideIllumination", {"interactiveIlluminationMode", "stillFrameIlluminationMode"})
        .enableWhen("overrideIblSampling", {"interactiveIblSamplingQuality", "stillFrameIblSamplingQuality"})
        .enableWhen("overrideReflectionSampling",
                    {"interactiveReflectionSamplingQuality", "stillFrameReflectionSamplingQuality"})
        .enableWhen("overrideTraceDepth", {"interactiveTraceDepth", "stillFrameTraceDepth"});
}
