#include "zkSwitchMaterialDescription.h"

#include <zkSpinerControl.h>
#include <zkdSwitchMaterial.h>

#include <QString>

namespace {

zkSwitchMaterialDescription instance;

} // namespace

void zkSwitchMaterialDescription::init()
{
    zkDescriptionBuilder<zkdSwitchMaterial> rows(getFactory());

    // No labels of their own: the row is captioned from its property name, the group has no title.
    rows.group("Switch Material", QString(), rows.Expanded)
        .editor<uint, zkSpinerControl>("choice", [](zkSpinerControlOptions &options) {
            options.group = "Switch Material";
        });
}
