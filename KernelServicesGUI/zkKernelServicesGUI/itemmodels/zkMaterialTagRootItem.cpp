#include "zkMaterialTagRootItem.h"

#include "zkMaterialTagCache.h"
#include "zkMaterialTagItemFactory.h"

zkMaterialTagRootItem::zkMaterialTagRootItem(int rootId, const zkMaterialTagCache &cache)
    : zkMaterialTagSourceItem(zkMaterialTagId(rootId), cache)
{
}

void zkMaterialTagRootItem::update()
{
    const zkMaterialTagCache &cache = getTagSource();
    setChildren(zkMaterialTagItemFactory::createItemsForTags(cache.getTags(), cache));
}
