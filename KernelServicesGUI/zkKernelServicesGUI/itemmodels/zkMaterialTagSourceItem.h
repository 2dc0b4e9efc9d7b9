#pragma once

#include "zkMaterialTagBaseItem.h"

class zkMaterialTagCache;

// A tag item that builds its children from a tag cache. The cache is not owned and must
// outlive the item.
class zkMaterialTagSourceItem : public zkMaterialTagBaseItem
{
public:
    zkMaterialTagSourceItem(const zkMaterialTagId &id, const zkMaterialTagCache &cache);

    const zkMaterialTagCache &getTagSource() const { return *m_cache; }

private:
    const zkMaterialTagCache *m_cache;
};
