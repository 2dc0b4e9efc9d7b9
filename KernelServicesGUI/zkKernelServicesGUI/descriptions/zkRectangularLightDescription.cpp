#include "zkRectangularLightDescription.h"

#include <zkdRectangularLightNode.h>

namespace {

zkRectangularLightDescription instance;

} // namespace

void zkRectangularLightDescription::init()
{
    initAreaLightConeControls<zkdRectangularLightNode>();
}
