#include "zkAreaLightConeDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkCheckBoxControl.h>
#include <zkDoubleWheelControl.h>
#include <zkdAreaLightCone.h>

namespace {

zkAreaLightConeDescription instance;

} // namespace

void zkAreaLightConeDescription::init()
{
    // The kernel keeps both angles below a right angle.
    const auto angle = [](const QString &label, const QString &toolTip) {
        return [label, toolTip](zkDoubleWheelControlOptions &options) {
            options.group = "Area Light";
            options.label = label;
            options.minimum = 0.01;
            options.maximum = 89.99;
            options.singleStep = 0.1;
            options.toolTip = toolTip;
        };
    };
    zkDescriptionBuilder<zkdAreaLightCone>(getFactory())
        .editor<bool, zkCheckBoxControl>("useConeAngle",
                                         [](zkCheckBoxControlOptions &options) {
                                             options.group = "Area Light";
                                             options.label = tr("Use Cone Angle");
                                             options.toolTip =
                                                 tr("Enable usage of custom light cone and penumbra angles");
                                         })
        .editor<float, zkDoubleWheelControl>(
            "coneAngle", angle(tr("Cone Angle"), tr("Sets the light cone angle in degrees [0.01, 90.0).")))
        .after<float>("coneAngle", "useConeAngle")
        .editor<float, zkDoubleWheelControl>(
            "penumbraAngle",
            angle(tr("Penumbra Angle"), tr("Sets the penumbra angle in degrees [0.01, 90.0).\nThe penumbra angle "
                                           "softens the light\nby blurring the outside edge of the light cone.")))
        .after<float>("penumbraAngle", "coneAngle")
        .showWhen("useConeAngle", {"coneAngle", "penumbraAngle"});
}
