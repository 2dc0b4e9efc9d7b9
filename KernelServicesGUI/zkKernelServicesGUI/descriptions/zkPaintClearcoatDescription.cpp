#include "zkPaintClearcoatDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdPaintClearcoat.h>

namespace {

zkPaintClearcoatDescription instance;

} // namespace

void zkPaintClearcoatDescription::init()
{
    using zkRowModifiers::labelled;
    using zkRowModifiers::slider;
    zkDescriptionBuilder<zkdPaintClearcoat>(getFactory())
        .editor<bool, zkCheckBoxControl>("useOrangePeel", labelled<zkCheckBoxControlOptions>(tr("Use Orange Peel")))
        .editor<float, zkDoubleSliderControl>("orangePeelFrequency", slider(tr("Orange Peel Frequency")))
        .editor<float, zkDoubleSliderControl>("orangePeelIntensity", slider(tr("Orange Peel Intensity")))
        .enableWhen("useOrangePeel", {"orangePeelFrequency", "orangePeelIntensity"});
}
