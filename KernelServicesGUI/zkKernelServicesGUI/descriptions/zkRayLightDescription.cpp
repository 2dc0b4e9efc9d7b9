#include "zkRayLightDescription.h"

#include <zkdRayFile.h>
#include <zkdRayLightNode.h>

namespace {

zkRayLightDescription instance;

using Ray = zkdRayLightNode;

} // namespace

void zkRayLightDescription::init()
{
    initCommonLightControls<Ray>();
    initBaseLightControls<Ray>(false, "name");
    initShadowControls<Ray>(false, "glossyColor");
    initImportanceMultiplierControl<Ray>();
    initRayFileControls("Properties");
    initVisualizationControls<Ray>(false);
    initTransformControls<Ray>();
    zkDescriptionBuilder<Ray>(getFactory()).onChanged<bool>("isPhysicallyBased", std::bind(updateUnits, std::placeholders::_1));
}

void zkRayLightDescription::initRayFileControls(const QByteArray &groupBefore)
{
    zkDescriptionBuilder<Ray>(getFactory())
        .group("Ray File", tr("Ray File"))
        .after<void>("Ray File", groupBefore)
        .editor<zkdRayFile, zkZkdObjectControl<zkdRayFile>>("rayFile", [](zkZkdZkdObjectControlOptions &options) {
            options.group = "Ray File";
            options.label = tr("Ray Light");
            options.forceWritable();
        });
}

void zkRayLightDescription::updateUnits(zkPropertyEditorWidget *widget)
{
    resetUnits(widget, {zkLightTypes::LuminousFlux});
}
