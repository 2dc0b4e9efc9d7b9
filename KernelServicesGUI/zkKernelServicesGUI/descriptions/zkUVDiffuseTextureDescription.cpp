#include "zkUVDiffuseTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkTextureDescriptionRows.h"

#include <zkDoubleSpinerControl.h>
#include <zkTextureTypes.h>
#include <zkdUVDiffuseTexture.h>

namespace {

zkUVDiffuseTextureDescription instance;

} // namespace

void zkUVDiffuseTextureDescription::init()
{
    zkDescriptionBuilder<zkdUVDiffuseTexture>(getFactory())
        .hidden<zkTextureTypes::ProjectionType>("projectionType")
        .editor<float, zkDoubleSpinerControl>("gamma", zkTextureDescriptionRows::inputGamma())
        .after<float>("gamma", "anisotropy");
}
