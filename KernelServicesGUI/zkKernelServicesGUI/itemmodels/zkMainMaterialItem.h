#pragma once

#include "zkCoreMaterialItem.h"

#include <zkdMaterialNode.h>

// The item of a material node: the node's material, named by the node.
class zkMainMaterialItem : public zkCoreMaterialItem
{
public:
    explicit zkMainMaterialItem(const zkdMaterialNode &node);

protected:
    void update() override;

private:
    zkdMaterialNode m_node;
};
