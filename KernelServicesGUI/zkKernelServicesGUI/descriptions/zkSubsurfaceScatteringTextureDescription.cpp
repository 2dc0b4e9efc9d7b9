#include "zkSubsurfaceScatteringTextureDescription.h"

#include "zkDescriptionBuilder.h"

namespace {

zkSubsurfaceScatteringTextureDescription instance;

} // namespace

void zkSubsurfaceScatteringTextureDescription::init()
{
}
