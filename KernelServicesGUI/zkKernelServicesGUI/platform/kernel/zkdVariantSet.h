#pragma once

#include "zkdVariantSetBase.h"

class QImage;
class zkdVariantSetGroup;

// A named, stored state of the scene that the user switches to; it belongs to at most one group.
class zkdVariantSet : public zkdVariantSetBase
{
    Q_GADGET
public:
    using zkdVariantSetBase::zkdVariantSetBase;
    zkdVariantSet() = default;
    // The variant set that base is; null when base is a group or null.
    explicit zkdVariantSet(const zkdVariantSetBase &base);

    // A picture of the scene in this state; null when there is none.
    QImage getPreview() const;
    void setPreview(const QImage &preview) const;

    // The group the set belongs to; null for an ungrouped set.
    zkdVariantSetGroup getParent() const;
};

Q_DECLARE_METATYPE(zkdVariantSet)
