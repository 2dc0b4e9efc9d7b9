#include "zkMaterialPreviewItemFactory.h"

#include "zkMaterialPreviewItem.h"
#include "zkMaterialPreviewRootItem.h"

#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>

namespace zkMaterialPreviewItemFactory {

zkMaterialPreviewRootItem *createItemForRoot(const zkdNode &node)
{
    return new zkMaterialPreviewRootItem(node);
}

zkMaterialPreviewItem *createItemForMaterial(const zkdMaterial &material)
{
    return new zkMaterialPreviewItem(material);
}

QList<zkModelItem *> createItemsForMaterials(const QList<zkdMaterial> &materials)
{
    QList<zkModelItem *> items;
    items.reserve(materials.size());
    for (const zkdMaterial &material : materials)
        items.append(createItemForMaterial(material));
    return items;
}

QList<zkModelItem *> createItemsForNodeMaterials(const zkdNode &node)
{
    const zkMaterialService *service = zkKernelServiceFactory::the().getService<zkMaterialService>();
    return service ? createItemsForMaterials(service->getNodeMaterials(node)) : QList<zkModelItem *>();
}

} // namespace zkMaterialPreviewItemFactory
