#include "zkDiskLightDescription.h"

#include <zkdDiskLightNode.h>

namespace {

zkDiskLightDescription instance;

} // namespace

void zkDiskLightDescription::init()
{
    initAreaLightConeControls<zkdDiskLightNode>();
}
