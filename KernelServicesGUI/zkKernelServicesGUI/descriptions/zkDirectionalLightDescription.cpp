#include "zkDirectionalLightDescription.h"

#include <zkdDirectionalLightNode.h>

namespace {

zkDirectionalLightDescription instance;

using Directional = zkdDirectionalLightNode;

} // namespace

void zkDirectionalLightDescription::init()
{
    initCommonLightControls<Directional>();
    zkDescriptionBuilder<Directional>(getFactory())
        .editor<bool, zkNullControl>("isHeadLight", [](zkBaseControlOptions &options) { options.group = "Properties"; })
        .onChanged<bool>("isHeadLight", updateHeadLight);
    initLocalLightControl<Directional>();
    initIlluminateSceneControl<Directional>();
    initBaseLightControls<Directional>(false, "illuminateScene");
    initShadowControls<Directional>(true, "glossyColor");
    initImportanceMultiplierControl<Directional>();
    initVisualizationControls<Directional>(true);
    initTransformControls<Directional>();
    initUnitUpdate<Directional>(updateUnits);
}

void zkDirectionalLightDescription::updateHeadLight(zkPropertyEditorWidget *widget, bool)
{
    if (!widget)
        return;
    const bool headLight = widget->getProperty("isHeadLight").toBool();
    setControlVisible(widget, "isHeadLight", false);
    setControlsVisible(widget,
                       {"name", "localLight", "illuminateScene", "materialShadowIntensity", "groundShadowIntensity",
                        "importanceMultiplier", "castShadowOnShadowMaterial", "illuminateShadowMaterial",
                        "shadowMap"},
                       !headLight);
    setGroupVisible(widget, "Light Visualization", !headLight);
    setGroupVisible(widget, "Transform", !headLight);
    setGroupSeparatorsVisible(widget, "Properties", !headLight);
    widget->resize();
}

void zkDirectionalLightDescription::updateUnits(zkPropertyEditorWidget *widget)
{
    resetUnits(widget, {zkLightTypes::Luminance});
}
