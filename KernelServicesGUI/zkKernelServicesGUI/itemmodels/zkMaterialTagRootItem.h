#pragma once

#include "zkMaterialTagSourceItem.h"

// The root of the material tag model: one child per tag of the cache.
class zkMaterialTagRootItem : public zkMaterialTagSourceItem
{
public:
    zkMaterialTagRootItem(int rootId, const zkMaterialTagCache &cache);

protected:
    void update() override;
};
