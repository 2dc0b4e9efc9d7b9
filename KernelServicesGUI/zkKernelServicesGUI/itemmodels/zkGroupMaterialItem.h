#pragma once

#include "zkBaseMaterialItem.h"

#include <zkdNode.h>

// The item of a group of the material tree: the group's name and icon, and its child groups and
// material nodes as rows.
class zkGroupMaterialItem : public zkBaseMaterialItem
{
public:
    explicit zkGroupMaterialItem(const zkdNode &node);

    zkdNode getNode() const { return m_node; }

protected:
    void update() override;
    // Renames the node, in the undo scope of the caller.
    void textChanged() override;

private:
    zkdNode m_node;
};
