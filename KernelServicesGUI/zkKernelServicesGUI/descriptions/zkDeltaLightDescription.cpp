#include "zkDeltaLightDescription.h"

namespace {

zkDeltaLightDescription instance;

} // namespace

void zkDeltaLightDescription::init()
{
}
