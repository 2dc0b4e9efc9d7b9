#pragma once

#include "zkSceneplateTypes.h"
#include "zkdSwitchNode.h"

// Image, text or web content drawn in front of (frontplate) or behind (backplate) the scene.
class zkdSceneplateNode : public zkdSwitchNode
{
    Q_GADGET
public:
    using zkdSwitchNode::zkdSwitchNode;
};

Q_DECLARE_METATYPE(zkdSceneplateNode)
