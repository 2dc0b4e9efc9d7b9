#include "zkUnicolorPaintClearcoatDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdUnicolorPaintClearcoat.h>

#include <QVector3D>

namespace {

zkUnicolorPaintClearcoatDescription instance;

} // namespace

void zkUnicolorPaintClearcoatDescription::init()
{
    using zkRowModifiers::labelled;
    using zkRowModifiers::slider;
    using Clearcoat = zkdClearcoat;

    zkDescriptionBuilder<zkdUnicolorPaintClearcoat>(getFactory())
        // Solid paint is always lacquered, so "Off" is no choice here.
        .editor<Clearcoat::Type, zkComboBoxControl>("type",
                                                    [](zkComboBoxControlOptions &options) {
                                                        options.label = tr("Clearcoat Type");
                                                        options.mappings = {
                                                            {tr("Fast"), Clearcoat::Fast},
                                                            {tr("Accurate"), Clearcoat::Accurate},
                                                        };
                                                    })
        .editor<QVector3D, zkColorManipulatorControl>(
            "color", labelled<zkColorManipulatorControlOptions>(tr("Clearcoat Color")))
        .editor<float, zkDoubleSliderControl>("reflectivity", slider(tr("Reflectivity")))
        .editor<bool, zkCheckBoxControl>("useOrangePeel", labelled<zkCheckBoxControlOptions>(tr("Use Orange Peel")))
        .editor<float, zkDoubleSliderControl>("orangePeelFrequency", slider(tr("Orange Peel Frequency")))
        .editor<float, zkDoubleSliderControl>("orangePeelIntensity", slider(tr("Orange Peel Intensity")))
        .enableWhen("useOrangePeel", {"orangePeelFrequency", "orangePeelIntensity"});
}
