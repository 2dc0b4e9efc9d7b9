#include "zkdVariantSet.h"

#include "zkdHierarchy.h"
#include "zkdScene.h"
#include "zkdVariantSetGroup.h"

#include <QImage>

zkdVariantSet::zkdVariantSet(const zkdVariantSetBase &base)
{
    if (base.isTypeOf<zkdVariantSet>())
        assign(base);
}

QImage zkdVariantSet::getPreview() const
{
    return property("preview").value<QImage>();
}

void zkdVariantSet::setPreview(const QImage &preview) const
{
    setProperty("preview", preview);
}

zkdVariantSetGroup zkdVariantSet::getParent() const
{
    const zkdObject parent = zkdHierarchy::instance().parent(*this);
    return parent == zkdScene::variantSetRoot() ? zkdVariantSetGroup() : zkd_cast<zkdVariantSetGroup>(parent);
}
