#include "zkOCSMaterialDescription.h"

#include <zkDoubleWheelControl.h>
#include <zkFilenameControl.h>
#include <zkPushButtonControl.h>
#include <zkdIncandescence.h>
#include <zkdOCSClearcoat.h>
#include <zkdOCSMaterial.h>

#include <QString>

namespace {

zkOCSMaterialDescription instance;

} // namespace

void zkOCSMaterialDescription::init()
{
    zkDescriptionBuilder<zkdOCSMaterial> rows(getFactory());

    rows.group("Office Color Science Material", tr("Office Color Science Material"), rows.Expanded)
        .group("Clearcoat", tr("ClearCoat"))
        .group("Incandescence", tr("Incandescence"));

    rows.editor<QString, zkFilenameControl>("oCSBRDFFilename", [](zkFilenameControlOptions &options) {
            options.group = "Office Color Science Material";
            options.label = tr("OCS BRDF");
        })
        .editor<bool, zkPushButtonControl>("automaticReload", [](zkPushButtonControlOptions &options) {
            options.group = "Office Color Science Material";
            options.label = tr("Automatic Reload");
        })
        .editor<float, zkDoubleWheelControl>("exposure", [](zkDoubleWheelControlOptions &options) {
            options.group = "Office Color Science Material";
            options.label = tr("Exposure");
            options.singleStep = 0.01;
        });

    rows.subObject<zkdOCSClearcoat>("clearcoat", "Clearcoat", tr("Clearcoat"))
        .subObject<zkdIncandescence>("incandescence", "Incandescence", tr("Incandescence"));
}
