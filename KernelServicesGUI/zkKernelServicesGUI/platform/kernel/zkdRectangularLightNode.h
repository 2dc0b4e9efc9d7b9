#pragma once

#include "zkdAreaLightNode.h"

// An area light in the shape of a rectangle.
class zkdRectangularLightNode : public zkdAreaLightNode
{
    Q_GADGET
public:
    using zkdAreaLightNode::zkdAreaLightNode;
};

Q_DECLARE_METATYPE(zkdRectangularLightNode)
