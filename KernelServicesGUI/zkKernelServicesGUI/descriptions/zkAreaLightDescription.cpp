#include "zkAreaLightDescription.h"

#include <zkdAreaLightNode.h>

namespace {

zkAreaLightDescription instance;

using Area = zkdAreaLightNode;

} // namespace

void zkAreaLightDescription::init()
{
    initCommonLightControls<Area>();
    initLocalLightControl<Area>();
    initIlluminateSceneControl<Area>();
    initBaseLightControls<Area>(true, "illuminateScene");
    initAttenuationControl<Area>(true);
    initShadowControls<Area>(true, "attenuation");
    initImportanceMultiplierControl<Area>();
    initAreaLightControls();
    initLightProfileControls<Area>("Area Light");
    initVisualizationControls<Area>(false);
    initTransformControls<Area>();
    initUnitUpdate<Area>(updateUnits);
}

void zkAreaLightDescription::initAreaLightControls()
{
    const auto quality = [](const QString &label, const QString &toolTip) {
        return [label, toolTip](zkIntegerSliderControlOptions &options) {
            options.group = "Area Light";
            options.label = label;
            options.minimum = 0;
            options.maximum = 8;
            options.singleStep = 1;
            options.toolTip = toolTip;
        };
    };
    zkDescriptionBuilder<Area>(getFactory())
        .group("Area Light", tr("Area Light"))
        .after<void>("Area Light", "Properties")
        .editor<bool, zkCheckBoxControl>("primaryVisibility",
                                         [](zkCheckBoxControlOptions &options) {
                                             options.group = "Area Light";
                                             options.label = tr("Primary Visibility");
                                             options.toolTip = tr("Sets the primary visibility of the light.\nIf "
                                                                  "this is off the light will not be rendered\nbut "
                                                                  "it will still emit light into the scene.");
                                         })
        .editor<bool, zkCheckBoxControl>("visibleInReflections",
                                         [](zkCheckBoxControlOptions &options) {
                                             options.group = "Area Light";
                                             options.label = tr("Visible in Reflections");
                                             options.toolTip = tr("Sets the visibility in reflections.\nNote: this "
                                                                  "only works if raytracing is enabled.");
                                         })
        .after<bool>("visibleInReflections", "primaryVisibility")
        .editor<uint, zkIntegerSliderControl>(
            "interactiveQuality",
            quality(tr("Interactive Quality"),
                    tr("Sets the raytracing quality level for the interactive mode. Range: [0,8]")))
        .after<uint>("interactiveQuality", "visibleInReflections")
        .editor<uint, zkIntegerSliderControl>(
            "stillFrameQuality",
            quality(tr("Still Frame Quality"),
                    tr("Sets the raytracing quality level for still frame rendering. Range: [0,8]")))
        .after<uint>("stillFrameQuality", "interactiveQuality");
}

void zkAreaLightDescription::updateUnits(zkPropertyEditorWidget *widget)
{
    if (!widget)
        return;
    using namespace zkLightTypes;
    resetUnits(widget, isLightProfileUsed(widget) ? QList<Unit>{LuminousFlux}
                                                  : QList<Unit>{LuminousFlux, LuminousIntensity, LuminousEmittance,
                                                                Luminance});
}
