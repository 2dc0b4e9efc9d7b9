#pragma once

#include "zkdPointLightNode.h"

// A point light limited to a cone.
class zkdSpotLightNode : public zkdPointLightNode
{
    Q_GADGET
public:
    using zkdPointLightNode::zkdPointLightNode;
};

Q_DECLARE_METATYPE(zkdSpotLightNode)
