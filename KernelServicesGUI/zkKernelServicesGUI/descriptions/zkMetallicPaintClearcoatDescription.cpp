#include "zkMetallicPaintClearcoatDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkDoubleSliderControl.h>
#include <zkdMetallicPaintClearcoat.h>

namespace {

zkMetallicPaintClearcoatDescription instance;

} // namespace

void zkMetallicPaintClearcoatDescription::init()
{
    using zkRowModifiers::slider;
    zkDescriptionBuilder<zkdMetallicPaintClearcoat>(getFactory())
        .editor<float, zkDoubleSliderControl>("thickness", slider(tr("Thickness")))
        .editor<float, zkDoubleSliderControl>("density", slider(tr("Density")));
}
