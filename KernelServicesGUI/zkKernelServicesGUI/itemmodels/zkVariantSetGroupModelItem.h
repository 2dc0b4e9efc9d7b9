#pragma once

#include "zkModelItem.h"

#include <zkdVariantSetGroup.h>

// The item of a group of variant sets: its name, and its variant sets as rows.
class zkVariantSetGroupModelItem : public zkModelItem
{
public:
    explicit zkVariantSetGroupModelItem(const zkdVariantSetGroup &group);

    zkdVariantSetGroup getVariantSetGroup() const { return m_group; }

    int columnCount() const override;
    QVariant getId() override;

protected:
    void update() override;
    bool canDropTo(zkModelItem *target, Qt::DropAction action) override;
    void textChanged() override;
    // Populates this group when the id is that of one of its variant sets.
    bool loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader) override;
    // Fresh items for the valid variant sets of the group, in order; nested groups are skipped.
    virtual QList<zkModelItem *> createChildList() const;

private:
    zkdVariantSetGroup m_group;
};
