#include "zkMaterialTagSourceItem.h"

zkMaterialTagSourceItem::zkMaterialTagSourceItem(const zkMaterialTagId &id, const zkMaterialTagCache &cache)
    : zkMaterialTagBaseItem(id)
    , m_cache(&cache)
{
}
