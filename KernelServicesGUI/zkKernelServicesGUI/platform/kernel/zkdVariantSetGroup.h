#pragma once

#include "zkdVariantSetBase.h"

#include <QList>

class zkdVariantSet;

// A named group of variant sets. Adding and removing sets are undoable steps when an undo scope
// records; a set removed from its group is ungrouped.
class zkdVariantSetGroup : public zkdVariantSetBase
{
    Q_GADGET
public:
    using zkdVariantSetBase::zkdVariantSetBase;
    zkdVariantSetGroup() = default;
    // The group that base is; null when base is a variant set or null.
    explicit zkdVariantSetGroup(const zkdVariantSetBase &base);

    // The sets of the group in order.
    QList<zkdVariantSetBase> getChildren() const;
    // Moves a set into the group, last.
    void addVariantSet(const zkdVariantSet &set) const;
    // Takes a set of the group out of it; sets of other groups are left alone.
    void removeVariantSet(const zkdVariantSet &set) const;
};

Q_DECLARE_METATYPE(zkdVariantSetGroup)
