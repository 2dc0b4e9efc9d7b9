#include "zkMaterialTagItemFactory.h"

#include "zkMaterialTagItem.h"
#include "zkMaterialTagRootItem.h"
#include "zkTaggedMaterialItem.h"

namespace zkMaterialTagItemFactory {

zkMaterialTagRootItem *createItemForRoot(int rootId, const zkMaterialTagCache &cache)
{
    return new zkMaterialTagRootItem(rootId, cache);
}

zkMaterialTagItem *createItemForTag(const QString &tag, const zkMaterialTagCache &cache)
{
    return new zkMaterialTagItem(tag, cache);
}

QList<zkModelItem *> createItemsForTags(const QList<QString> &tags, const zkMaterialTagCache &cache)
{
    QList<zkModelItem *> items;
    items.reserve(tags.size());
    for (const QString &tag : tags)
        items.append(createItemForTag(tag, cache));
    return items;
}

zkTaggedMaterialItem *createItemForTaggedMaterial(const QString &tag, const zkdMaterial &material)
{
    return new zkTaggedMaterialItem(tag, material);
}

QList<zkModelItem *> createItemsForTaggedMaterials(const QString &tag, const QList<zkdMaterial> &materials)
{
    QList<zkModelItem *> items;
    items.reserve(materials.size());
    for (const zkdMaterial &material : materials)
        items.append(createItemForTaggedMaterial(tag, material));
    return items;
}

} // namespace zkMaterialTagItemFactory
