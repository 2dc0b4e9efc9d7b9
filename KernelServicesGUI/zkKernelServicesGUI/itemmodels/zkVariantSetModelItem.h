#pragma once

#include "zkModelItem.h"

#include <zkdVariantSet.h>

// The item of a variant set: its name, and its preview as the icon of the second column.
class zkVariantSetModelItem : public zkModelItem
{
public:
    explicit zkVariantSetModelItem(const zkdVariantSetBase &set);

    zkdVariantSet getVariantSet() const { return m_set; }

    int columnCount() const override;
    QVariant getId() override;

protected:
    void update() override;
    // Into another group or out of all of them (onto the root).
    bool canDropTo(zkModelItem *target, Qt::DropAction action) override;
    // Regroups the variant set in the scene after the move of its row.
    void droppedFrom(zkModelItem *oldParent, int oldRow) override;
    void textChanged() override;

private:
    zkdVariantSet m_set;
};
