#pragma once

#include "zkMaterialTagId.h"
#include "zkModelItem.h"

// The base of the material tag model's items: an item named by a zkMaterialTagId. Tag rows
// are shown, not edited: they are enabled and selectable, and nothing more.
class zkMaterialTagBaseItem : public zkModelItem
{
public:
    explicit zkMaterialTagBaseItem(const zkMaterialTagId &id);

    // The id as a QVariant of "zkMaterialTagId".
    QVariant getId() override;
    const zkMaterialTagId &getTagId() const { return m_id; }

private:
    zkMaterialTagId m_id;
};
