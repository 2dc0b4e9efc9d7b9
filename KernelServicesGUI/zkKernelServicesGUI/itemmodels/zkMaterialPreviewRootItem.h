#pragma once

#include "zkModelItem.h"

#include <zkdNode.h>

// The root of a zkMaterialPreviewModel: one child per material that the material service lists
// for its node.
class zkMaterialPreviewRootItem : public zkModelItem
{
public:
    explicit zkMaterialPreviewRootItem(const zkdNode &node);

    const zkdNode &getNode() const { return m_node; }

    // The node's object id, as a QVariant of quint64.
    QVariant getId() override;

protected:
    void update() override;

private:
    zkdNode m_node;
};
