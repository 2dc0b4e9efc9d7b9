#include "zkMainMaterialItem.h"

zkMainMaterialItem::zkMainMaterialItem(const zkdMaterialNode &node)
    : zkCoreMaterialItem(zkMaterialId(node), node.getMaterial())
    , m_node(node)
{
}

void zkMainMaterialItem::update()
{
    // Shown before, so the node may hold another material by now; on the first population the
    // material read at construction is current.
    if (data(Qt::DisplayRole).isValid()) {
        const zkdMaterial material = m_node.getMaterial();
        if (material != getMaterial())
            setMaterial(material);
    }
    zkCoreMaterialItem::update();
}
