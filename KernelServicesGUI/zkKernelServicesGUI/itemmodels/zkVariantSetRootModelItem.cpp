#include "zkVariantSetRootModelItem.h"

#include "zkVariantSetGroupModelItem.h"
#include "zkVariantSetModelItem.h"

#include <zkKernelServiceFactory.h>
#include <zkVariantSetsService.h>

zkVariantSetRootModelItem::zkVariantSetRootModelItem()
{
    setDropEnabled(true);
}

int zkVariantSetRootModelItem::columnCount() const
{
    return 2;
}

QVariant zkVariantSetRootModelItem::getId()
{
    return QStringLiteral("zkVariantSetRootModelItem");
}

void zkVariantSetRootModelItem::update()
{
    QList<zkModelItem *> items;
    if (const zkVariantSetsService *service = zkKernelServiceFactory::the().getService<zkVariantSetsService>()) {
        for (const zkdVariantSet &set : service->getUngroupedVariantSets())
            items.append(new zkVariantSetModelItem(set));
        for (const zkdVariantSetGroup &group : service->getVariantSetGroups())
            items.append(new zkVariantSetGroupModelItem(group));
    }
    setChildren(items);
}
