#include "zkGlossyTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkTextureDescriptionRows.h"

#include <zkDoubleSpinerControl.h>
#include <zkdGlossyTexture.h>

namespace {

zkGlossyTextureDescription instance;

} // namespace

void zkGlossyTextureDescription::init()
{
    zkDescriptionBuilder<zkdGlossyTexture>(getFactory())
        .editor<float, zkDoubleSpinerControl>("gamma", zkTextureDescriptionRows::inputGamma())
        .after<float>("gamma", "anisotropy");
}
