#include "zkMaterialItemFactory.h"

#include "zkGroupMaterialItem.h"
#include "zkMainMaterialItem.h"
#include "zkSubMaterialItem.h"

#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>

namespace zkMaterialItemFactory {

zkGroupMaterialItem *createItemForRoot()
{
    const zkMaterialService *service = zkKernelServiceFactory::the().getService<zkMaterialService>();
    return new zkGroupMaterialItem(service ? service->getMaterialTreeRoot() : zkdNode());
}

zkModelItem *createItemForNode(const zkdNode &node)
{
    const zkdMaterialNode materialNode = zkd_cast<zkdMaterialNode>(node);
    if (!materialNode.isNull())
        return new zkMainMaterialItem(materialNode);
    return new zkGroupMaterialItem(node);
}

QList<zkModelItem *> createItemsForNodes(const QList<zkdNode> &nodes)
{
    QList<zkModelItem *> items;
    items.reserve(nodes.size());
    for (const zkdNode &node : nodes)
        items.append(createItemForNode(node));
    return items;
}

zkSubMaterialItem *createItemForSubMaterial(const zkMaterialId &parentId, const zkdMultiMaterial &multiMaterial,
                                            int index)
{
    return new zkSubMaterialItem(parentId, multiMaterial, index);
}

QList<zkModelItem *> createItemsForSubMaterials(const zkMaterialId &parentId, const zkdMultiMaterial &multiMaterial)
{
    QList<zkModelItem *> items;
    const int count = multiMaterial.count();
    items.reserve(count);
    for (int index = 0; index < count; ++index)
        items.append(createItemForSubMaterial(parentId, multiMaterial, index));
    return items;
}

} // namespace zkMaterialItemFactory
