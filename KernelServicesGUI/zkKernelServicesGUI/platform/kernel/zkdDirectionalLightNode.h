#pragma once

#include "zkdBaseLightNode.h"

// Parallel light from infinitely far away, such as the sun; optionally the viewer's head light.
class zkdDirectionalLightNode : public zkdBaseLightNode
{
    Q_GADGET
public:
    using zkdBaseLightNode::zkdBaseLightNode;
};

Q_DECLARE_METATYPE(zkdDirectionalLightNode)
