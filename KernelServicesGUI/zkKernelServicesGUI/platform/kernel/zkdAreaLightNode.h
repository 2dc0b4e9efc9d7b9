#pragma once

#include "zkdBaseLightNode.h"

// A light emitted from a surface.
class zkdAreaLightNode : public zkdBaseLightNode
{
    Q_GADGET
public:
    using zkdBaseLightNode::zkdBaseLightNode;
};

Q_DECLARE_METATYPE(zkdAreaLightNode)
