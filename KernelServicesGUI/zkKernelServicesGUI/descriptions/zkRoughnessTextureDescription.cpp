#include "zkRoughnessTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkDoubleSliderControl.h>
#include <zkdRoughnessTexture.h>

namespace {

zkRoughnessTextureDescription instance;

} // namespace

void zkRoughnessTextureDescription::init()
{
    using zkRowModifiers::slider;
    zkDescriptionBuilder<zkdRoughnessTexture>(getFactory())
        .editor<float, zkDoubleSliderControl>("minimumRoughness", slider(tr("Minimum Roughness"), 0.01, 5.01))
        .editor<float, zkDoubleSliderControl>("maximumRoughness", slider(tr("Maximum Roughness"), 0.01, 5.01))
        .after<float>("minimumRoughness", "anisotropy")
        .after<float>("maximumRoughness", "anisotropy");
}
