#include "zkRayFileDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkDoubleWheelControl.h>
#include <zkSpinerControl.h>
#include <zkZkdRayFileInfoControl.h>
#include <zkZkdRayFileNameControl.h>
#include <zkdRayFile.h>
#include <zkdRayFileInfo.h>

namespace {

zkRayFileDescription instance;

std::function<void(zkDoubleWheelControlOptions &)> wheel(const QString &label, double step,
                                                         const QString &toolTip = QString())
{
    return [label, step, toolTip](zkDoubleWheelControlOptions &options) {
        options.label = label;
        options.singleStep = step;
        options.toolTip = toolTip;
    };
}

std::function<void(zkDoubleWheelControlOptions &)> wheel(const QString &label, double minimum, double maximum,
                                                         double step, const QString &toolTip)
{
    return [label, minimum, maximum, step, toolTip](zkDoubleWheelControlOptions &options) {
        wheel(label, step, toolTip)(options);
        options.minimum = minimum;
        options.maximum = maximum;
    };
}

} // namespace

void zkRayFileDescription::init()
{
    using namespace zkRowModifiers;
    zkDescriptionBuilder<zkdRayFile> rows(getFactory());

    rows.hidden<bool>("useRayFile")
        .hidden<int>("numberOfRays")
        .hidden<float>("scalingFactor")
        .hidden<QString>("spectralInformationString")
        .editor<QString, zkZkdRayFileNameControl>("fileName", labelled<zkZkdRayFileNameControlOptions>(tr("Ray File")))
        .editor<bool, zkCheckBoxControl>("useRandomSampling",
                                         checkBox(tr("Use Random Sampling"),
                                                  tr("Uses random sampling of the rays. Use this if you have more "
                                                     "than one luminaire in your rayfile")))
        .editor<bool, zkCheckBoxControl>(
            "usePhotonsForDirectLighting",
            checkBox(tr("Use Photons for Direct Lighting"),
                     tr("<html><head/><body><p>Toggles whether to use photon mapping for direct lighting or "
                        "not.</p><p>If disabled, ray lights can be used without photonmapping but it is necessary to "
                        "define surface with ray light evaluation turned on. These surfaces will then act as "
                        "lightsources using all the rayfiles that are within the given "
                        "radius.</p></body></html>")))
        .editor<uint, zkSpinerControl>("visualizationRayCount",
                                       [](zkSpinerControlOptions &options) {
                                           options.label = tr("Visualization Raycount");
                                           options.minimum = 64;
                                           options.maximum = 2147483647;
                                           options.singleStep = 128;
                                           options.toolTip =
                                               tr("Sets the number of rays used for the viewport visualization");
                                       })
        .editor<double, zkDoubleWheelControl>("visualizationRayLength",
                                              wheel(tr("Visualization Raylength"), 1.0))
        .editor<double, zkDoubleWheelControl>(
            "directEvaluationConeAngle",
            wheel(tr("Cone"), 0.01, 89.99, 0.1,
                  tr("<html><head/><body><p>Sets the cone of valid directions to be used when directly looking into "
                     "a rayfile.</p></body></html>")))
        .editor<double, zkDoubleWheelControl>(
            "directEvaluationRadius",
            wheel(tr("Radius"), 0.01,
                  tr("<html><head/><body><p>Sets the radius to be used for lookupwhen directly looking into a "
                     "rayfile.</p></body></html>")))
        .editor<double, zkDoubleWheelControl>(
            "directEvaluationOffset",
            wheel(tr("Offset"), -2147483647.0, 2147483647.0, 0.001,
                  tr("<html><head/><body><p>Sets the offset along the surface normal to be used when directly "
                     "looking into a rayfile. Use this to fix lookup surfaces that are not exactly where the ray "
                     "origins are.</p></body></html>")))
        .editor<zkdRayFileInfo, zkZkdRayFileInfoControl>("rayFileInfo");

    rows.onChanged<QString>("fileName",
                            [](zkPropertyEditorWidget *widget, const QString &) {
                                if (!widget)
                                    return;
                                widget->updateProperty("rayFileInfo");
                                widget->updateProperty("directEvaluationConeAngle");
                            })
        // What was read follows the loaded state as well as the name.
        .onChanged<bool>("useRayFile", [](zkPropertyEditorWidget *widget, bool) { updateFileRows(widget); });
}

void zkRayFileDescription::updateFileRows(zkPropertyEditorWidget *widget)
{
    if (!widget)
        return;
    for (const char *property : {"fileName", "rayFileInfo", "directEvaluationConeAngle"})
        widget->updateProperty(property);
}
