#include "zkdBaseLightNode.h"

#include "zkdLightTransform.h"

zkdLightTransform zkdBaseLightNode::getLightTransform() const
{
    return property("lightTransform").value<zkdLightTransform>();
}
