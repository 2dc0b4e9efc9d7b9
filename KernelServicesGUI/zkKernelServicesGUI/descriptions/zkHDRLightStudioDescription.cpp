#include "zkHDRLightStudioDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkPushButtonControl.h>
#include <zkdHDRLightStudio.h>

namespace {

zkHDRLightStudioDescription instance;

using Studio = zkdHDRLightStudio;

} // namespace

void zkHDRLightStudioDescription::init()
{
    using zkRowModifiers::labelled;
    zkDescriptionBuilder<Studio>(getFactory())
        .editor<bool, zkPushButtonControl>("editAndLoadSettings",
                                           labelled<zkPushButtonControlOptions>(tr("Edit && Load Settings")))
        .editor<bool, zkPushButtonControl>("settings", labelled<zkPushButtonControlOptions>(tr("Save Settings")))
        .editor<bool, zkCheckBoxControl>("lightPaint", labelled<zkCheckBoxControlOptions>(tr("Enable Light Paint")))
        .editor<Studio::LightPaintMode, zkComboBoxControl>("lightPaintMode",
                                                           [](zkComboBoxControlOptions &options) {
                                                               options.label = tr("Light Paint Mode");
                                                               options.mappings = {
                                                                   {tr("Reflection Painting"),
                                                                    Studio::ReflectionPainting},
                                                                   {tr("Illumination Painting"),
                                                                    Studio::IlluminationPainting},
                                                                   {tr("Rim Painting"), Studio::RimPainting},
                                                               };
                                                           })
        .enableWhen("lightPaint", {"lightPaintMode"});
}
