#pragma once

#include "zkModelItem.h"

#include <zkMaterialId.h>

// The base of the material tree's items: an item named by a zkMaterialId.
class zkBaseMaterialItem : public zkModelItem
{
public:
    explicit zkBaseMaterialItem(const zkMaterialId &id);

    // The id as a QVariant of "zkMaterialId".
    QVariant getId() override;
    const zkMaterialId &getRawId() const { return m_id; }

    // Re-reads the scene for this item, outside the model's edits: rows the scene no longer has
    // are removed at once. Nothing for an item that was never populated.
    void refresh();
    // The two halves of refresh(), for a caller that lets other items take dropped rows over in
    // between: the update, after which the rows the scene no longer has come last, and their
    // removal.
    void updateRows();
    QList<zkModelItem *> getDroppedRows() const;
    void removeDroppedRows();

protected:
    // Populates the items on the way to a group, material node or sub-material below this item.
    bool loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader) override;
    // Only items that show a check mark take a check state.
    bool canSetData(int role, const QVariant &value, int column) override;

    // setChildren(), remembering how many rows the scene has for refresh().
    void setChildItems(const QList<zkModelItem *> &items);

private:
    // The item with id wanted would be found below this one.
    bool leadsTo(const zkMaterialId &wanted) const;

    zkMaterialId m_id;
    int m_sceneRows = 0;
};
