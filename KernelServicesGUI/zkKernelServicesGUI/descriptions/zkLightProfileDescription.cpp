#include "zkLightProfileDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkCheckBoxControl.h>
#include <zkdLightProfile.h>

namespace {

zkLightProfileDescription instance;

} // namespace

void zkLightProfileDescription::init()
{
    zkDescriptionBuilder<zkdLightProfile>(getFactory())
        .editor<bool, zkCheckBoxControl>("useLightProfile", [](zkCheckBoxControlOptions &options) {
            options.group = "Light Profile";
            options.label = tr("Use Light Profile");
        });
}
