#pragma once

#include "zkdBaseLightNode.h"

class zkdLensFlareEffect;

// Light from one point in every direction; it can carry a lens-flare effect.
class zkdPointLightNode : public zkdBaseLightNode
{
    Q_GADGET
public:
    using zkdBaseLightNode::zkdBaseLightNode;

    // The light's lens-flare effect (a sub-object).
    zkdLensFlareEffect getLensFlareEffect() const;
};

Q_DECLARE_METATYPE(zkdPointLightNode)
