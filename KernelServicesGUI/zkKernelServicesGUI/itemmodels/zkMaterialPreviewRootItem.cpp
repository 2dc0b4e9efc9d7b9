#include "zkMaterialPreviewRootItem.h"

#include "zkMaterialPreviewItemFactory.h"

zkMaterialPreviewRootItem::zkMaterialPreviewRootItem(const zkdNode &node)
    : m_node(node)
{
}

QVariant zkMaterialPreviewRootItem::getId()
{
    return QVariant::fromValue<quint64>(m_node.getObjectId());
}

void zkMaterialPreviewRootItem::update()
{
    setChildren(zkMaterialPreviewItemFactory::createItemsForNodeMaterials(m_node));
}
