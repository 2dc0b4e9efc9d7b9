#include "zkMaterialTagItem.h"

#include "zkMaterialTagCache.h"
#include "zkMaterialTagItemFactory.h"

#include <zkIconCache.h>

#include <QIcon>

zkMaterialTagItem::zkMaterialTagItem(const QString &tag, const zkMaterialTagCache &cache)
    : zkMaterialTagSourceItem(zkMaterialTagId(tag), cache)
    , m_tag(tag)
{
}

void zkMaterialTagItem::update()
{
    setChildren(zkMaterialTagItemFactory::createItemsForTaggedMaterials(m_tag, getTagSource().getMaterialsWithTag(m_tag)));
    setIcon(zkIconCache::getMaterialTagIcon());
    setText(m_tag);
}

void zkMaterialTagItem::textChanged()
{
}
