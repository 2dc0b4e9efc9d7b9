#include "zkXRiteMeasuredMaterialDescription.h"

#include <zkFilenameControl.h>
#include <zkdXRiteMeasuredMaterial.h>

#include <QString>

namespace {

zkXRiteMeasuredMaterialDescription instance;

} // namespace

void zkXRiteMeasuredMaterialDescription::init()
{
    zkDescriptionBuilder<zkdXRiteMeasuredMaterial> rows(getFactory());

    rows.group("X-Rite Measured Material", tr("X-Rite Measured Material"), rows.Expanded)
        .editor<QString, zkFilenameControl>("measurement", [](zkFilenameControlOptions &options) {
            options.group = "X-Rite Measured Material";
            options.label = tr("Measurement");
            options.fileFilter = QStringLiteral("*.axf *.cpa *.btf");
        });
}
