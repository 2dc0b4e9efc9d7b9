#include "zkControlOptions.h"

#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

namespace {

int scaledLabelWidth()
{
    const zkPlatformService *platform = zkKernelServiceFactory::the().getService<zkPlatformService>();
    const double factor = platform ? platform->getUIScaleFactor() : 1.0;
    return int(130 * factor);
}

} // namespace

zkCommonOptions::zkCommonOptions()
    : labelWidth(scaledLabelWidth())
{
}
