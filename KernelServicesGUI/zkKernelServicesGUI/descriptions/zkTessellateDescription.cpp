#include "zkTessellateDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkCheckBoxControl.h>
#include <zkDoubleSpinerControl.h>
#include <zkdTessellationSettings.h>

namespace {

zkTessellateDescription instance;

using Rows = zkDescriptionBuilder<zkdTessellationSettings>;

void skipped(zkCheckBoxControlOptions &options)
{
    options.skip();
}

} // namespace

void zkTessellateDescription::init()
{
    initGeneralSettings();
    initTessellationSettings();
}

void zkTessellateDescription::initGeneralSettings()
{
    Rows(getFactory())
        .editor<bool, zkCheckBoxControl>("keepNurbs")
        .editor<bool, zkCheckBoxControl>("mergeGeometries")
        .editor<bool, zkCheckBoxControl>("removeEmptyGroups")
        .editor<bool, zkCheckBoxControl>("unshareNodes")
        .editor<bool, zkCheckBoxControl>("flushTransformations", skipped)
        .editor<bool, zkCheckBoxControl>("createLayerGroups", skipped);
}

void zkTessellateDescription::initTessellationSettings()
{
    Rows(getFactory())
        .editor<double, zkDoubleSpinerControl>("chordDeviation")
        .editor<double, zkDoubleSpinerControl>("maxChordLength")
        .editor<double, zkDoubleSpinerControl>("normalTolerance")
        .editor<bool, zkCheckBoxControl>("useStitching")
        .editor<double, zkDoubleSpinerControl>("stitchingTolerance")
        .editor<bool, zkCheckBoxControl>("robustTessellation", skipped);
}
