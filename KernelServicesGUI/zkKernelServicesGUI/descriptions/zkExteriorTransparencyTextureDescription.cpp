#include "zkExteriorTransparencyTextureDescription.h"

#include "zkDescriptionBuilder.h"

namespace {

zkExteriorTransparencyTextureDescription instance;

} // namespace

void zkExteriorTransparencyTextureDescription::init()
{
}
