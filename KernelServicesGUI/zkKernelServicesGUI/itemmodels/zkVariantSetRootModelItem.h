#pragma once

#include "zkModelItem.h"

// The invisible root of the variant set tree: the variant sets outside any group, then the groups.
class zkVariantSetRootModelItem : public zkModelItem
{
public:
    zkVariantSetRootModelItem();

    int columnCount() const override;
    QVariant getId() override;

protected:
    void update() override;
};
