#pragma once

#include "zkdNode.h"

class zkdLightTransform;

// The base of the light nodes: the light block shared by every kind of light.
class zkdBaseLightNode : public zkdNode
{
    Q_GADGET
public:
    using zkdNode::zkdNode;

    // The light's transform operations (a sub-object, null for a null light).
    zkdLightTransform getLightTransform() const;
};

Q_DECLARE_METATYPE(zkdBaseLightNode)
