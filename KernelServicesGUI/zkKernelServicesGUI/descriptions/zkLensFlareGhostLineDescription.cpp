#include "zkLensFlareGhostLineDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkLensFlareGhostLineControl.h>
#include <zkdLensFlareGhost.h>
#include <zkdLensFlareGhostLine.h>

namespace {

zkLensFlareGhostLineDescription instance;

} // namespace

void zkLensFlareGhostLineDescription::init()
{
    zkDescriptionBuilder<zkdLensFlareGhostLine> rows(getFactory());

    // The list handle is read-only; the ghosts it names are edited in place.
    rows.editor<QList<zkdLensFlareGhost>, zkLensFlareGhostLineControl>("ghosts", [](zkBaseControlOptions &options) {
        options.spanColumns = true;
        options.forceWritable();
    });
}
