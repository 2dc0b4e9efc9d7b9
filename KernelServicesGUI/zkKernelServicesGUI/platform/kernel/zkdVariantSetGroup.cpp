#include "zkdVariantSetGroup.h"

#include "zkdHierarchy.h"
#include "zkdScene.h"
#include "zkdVariantSet.h"

#include <QCoreApplication>

zkdVariantSetGroup::zkdVariantSetGroup(const zkdVariantSetBase &base)
{
    if (base.isTypeOf<zkdVariantSetGroup>())
        assign(base);
}

QList<zkdVariantSetBase> zkdVariantSetGroup::getChildren() const
{
    QList<zkdVariantSetBase> children;
    for (const zkdObject &child : zkdHierarchy::instance().children(*this))
        children.append(zkd_cast<zkdVariantSetBase>(child));
    return children;
}

void zkdVariantSetGroup::addVariantSet(const zkdVariantSet &set) const
{
    if (isValid() && set.isValid())
        zkdHierarchy::instance().insert(*this, INT_MAX, {set},
                                        QCoreApplication::translate("Variant Set Commands", "Add to Group"));
}

void zkdVariantSetGroup::removeVariantSet(const zkdVariantSet &set) const
{
    zkdHierarchy &hierarchy = zkdHierarchy::instance();
    if (isValid() && hierarchy.parent(set) == *this)
        hierarchy.insert(zkdScene::variantSetRoot(), INT_MAX, {set},
                         QCoreApplication::translate("Variant Set Commands", "Remove from Group"));
}
