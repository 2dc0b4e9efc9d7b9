#pragma once

#include "zkdBaseLightNode.h"

class zkdRayFile;

// A light that emits the measured rays of a ray file.
class zkdRayLightNode : public zkdBaseLightNode
{
    Q_GADGET
public:
    using zkdBaseLightNode::zkdBaseLightNode;

    // The ray file the light emits; several lights may share one.
    zkdRayFile getRayFile() const;
};

Q_DECLARE_METATYPE(zkdRayLightNode)
