#include "zkdRayLightNode.h"

#include "zkdRayFile.h"

zkdRayFile zkdRayLightNode::getRayFile() const
{
    return property("rayFile").value<zkdRayFile>();
}
