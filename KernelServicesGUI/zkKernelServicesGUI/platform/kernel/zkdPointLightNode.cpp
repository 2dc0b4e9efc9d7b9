#include "zkdPointLightNode.h"

#include "zkdLensFlareEffect.h"

zkdLensFlareEffect zkdPointLightNode::getLensFlareEffect() const
{
    return property("lensFlareEffect").value<zkdLensFlareEffect>();
}
