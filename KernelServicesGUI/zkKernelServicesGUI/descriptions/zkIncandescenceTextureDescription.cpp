#include "zkIncandescenceTextureDescription.h"

#include "zkDescriptionBuilder.h"

namespace {

zkIncandescenceTextureDescription instance;

} // namespace

void zkIncandescenceTextureDescription::init()
{
}
