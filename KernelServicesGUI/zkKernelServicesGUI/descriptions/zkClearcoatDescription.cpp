#include "zkClearcoatDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdClearcoat.h>

#include <QVector3D>

namespace {

zkClearcoatDescription instance;

} // namespace

void zkClearcoatDescription::init()
{
    using Clearcoat = zkdClearcoat;
    zkDescriptionBuilder<Clearcoat> rows(getFactory());

    rows.editor<Clearcoat::Type, zkComboBoxControl>("type",
                                                    [](zkComboBoxControlOptions &options) {
                                                        options.label = tr("Clearcoat Type");
                                                        options.mappings = {
                                                            {tr("Off"), Clearcoat::Off},
                                                            {tr("Fast"), Clearcoat::Fast},
                                                            {tr("Accurate"), Clearcoat::Accurate},
                                                        };
                                                    })
        .editor<QVector3D, zkColorManipulatorControl>(
            "color", [](zkColorManipulatorControlOptions &options) { options.label = tr("Clearcoat Color"); })
        .editor<float, zkDoubleSliderControl>("reflectivity", [](zkDoubleSliderControlOptions &options) {
            options.label = tr("Reflectivity");
            options.singleStep = 0.01;
        });

    rows.showWhen<Clearcoat::Type>("type", {"color", "reflectivity"},
                                   [](Clearcoat::Type type) { return type != Clearcoat::Off; });
}
