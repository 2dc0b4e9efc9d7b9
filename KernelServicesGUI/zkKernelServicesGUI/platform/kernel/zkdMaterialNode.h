#pragma once

#include "zkdMaterial.h"
#include "zkdNode.h"

// A node of the material tree that holds one material.
class zkdMaterialNode : public zkdNode
{
    Q_GADGET
public:
    using zkdNode::zkdNode;

    zkdMaterial getMaterial() const;
    // An edit of the material property: recorded when an undo scope records.
    void setMaterial(const zkdMaterial &material) const;
};

Q_DECLARE_METATYPE(zkdMaterialNode)
