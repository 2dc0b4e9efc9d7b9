#include "zkPointLightDescription.h"

#include <zkdLensFlareEffect.h>
#include <zkdPointLightNode.h>

namespace {

zkPointLightDescription instance;

using Point = zkdPointLightNode;

} // namespace

void zkPointLightDescription::init()
{
    initCommonLightControls<Point>();
    initLocalLightControl<Point>();
    initIlluminateSceneControl<Point>();
    initBaseLightControls<Point>(true, "illuminateScene");
    initAttenuationControl<Point>(true);
    initShadowControls<Point>(true, "attenuation");
    initImportanceMultiplierControl<Point>();
    initLightProfileControls<Point>("Properties");
    initVisualizationControls<Point>(true);
    initTransformControls<Point>();
    zkDescriptionBuilder<Point>(getFactory()).hidden<zkdLensFlareEffect>("lensFlareEffect");
    initUnitUpdate<Point>(updateUnits);
}

void zkPointLightDescription::updateUnits(zkPropertyEditorWidget *widget)
{
    if (!widget)
        return;
    using namespace zkLightTypes;
    resetUnits(widget, isLightProfileUsed(widget) ? QList<Unit>{LuminousFlux}
                                                  : QList<Unit>{LuminousFlux, LuminousIntensity});
    setControlVisible(widget, "attenuation", !widget->getProperty("isPhysicallyBased").toBool());
}
