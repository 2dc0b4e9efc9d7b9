#include "zkSpotLightDescription.h"

#include <zkdLensFlareEffect.h>
#include <zkdSpotLightNode.h>

namespace {

zkSpotLightDescription instance;

using Spot = zkdSpotLightNode;

} // namespace

void zkSpotLightDescription::init()
{
    initCommonLightControls<Spot>();
    initLocalLightControl<Spot>();
    initIlluminateSceneControl<Spot>();
    initBaseLightControls<Spot>(true, "illuminateScene");
    initAttenuationControl<Spot>(true);
    initConeControls();
    initShadowControls<Spot>(true, "penumbraAngle");
    initImportanceMultiplierControl<Spot>();
    initLightProfileControls<Spot>("Properties");
    initVisualizationControls<Spot>(true);
    initTransformControls<Spot>();
    initUnitUpdate<Spot>(updateUnits);
}

void zkSpotLightDescription::initConeControls()
{
    const auto angle = [](const QString &label, const QString &toolTip) {
        return [label, toolTip](zkDoubleWheelControlOptions &options) {
            options.group = "Properties";
            options.label = label;
            options.minimum = 0.01;
            options.maximum = 90.0;
            options.singleStep = 0.1;
            options.toolTip = toolTip;
        };
    };
    zkDescriptionBuilder<Spot>(getFactory())
        .editor<float, zkDoubleWheelControl>(
            "coneAngle",
            angle(tr("Cone Angle"), tr("Sets the light beam's angle from center\nto the edge, measured in degrees.")))
        .after<float>("coneAngle", "attenuation")
        .editor<float, zkDoubleWheelControl>("penumbraAngle",
                                             angle(tr("Penumbra Angle"), tr("Sets the light edge's falloff in degrees.")))
        .after<float>("penumbraAngle", "coneAngle")
        .hidden<zkdLensFlareEffect>("lensFlareEffect");
}
