#include "zkCarbonPatternDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdCarbonPattern.h>

namespace {

zkCarbonPatternDescription instance;

} // namespace

void zkCarbonPatternDescription::init()
{
    using zkRowModifiers::slider;
    using Pattern = zkdCarbonPattern;

    zkDescriptionBuilder<Pattern>(getFactory())
        .editor<Pattern::Type, zkComboBoxControl>("type",
                                                  [](zkComboBoxControlOptions &options) {
                                                      options.label = tr("Pattern Type");
                                                      options.mappings = {
                                                          {tr("2x2"), Pattern::Pattern2x2},
                                                          {tr("3x1 Staircase"), Pattern::Staircase3x1},
                                                          {tr("3x1 Interweaved"), Pattern::Interweaved3x1},
                                                          {tr("5x1"), Pattern::Pattern5x1},
                                                      };
                                                  })
        .editor<float, zkDoubleSliderControl>("size", slider(tr("Pattern Size")))
        .editor<float, zkDoubleSliderControl>("intensity", slider(tr("Pattern Intensity"), -10.0, 10.0));
}
