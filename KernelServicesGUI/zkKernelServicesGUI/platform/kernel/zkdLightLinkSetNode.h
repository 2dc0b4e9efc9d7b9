#pragma once

#include "zkdNode.h"

// A light-link set: the lights in it illuminate only the objects in it.
class zkdLightLinkSetNode : public zkdNode
{
    Q_GADGET
public:
    using zkdNode::zkdNode;
};

Q_DECLARE_METATYPE(zkdLightLinkSetNode)
