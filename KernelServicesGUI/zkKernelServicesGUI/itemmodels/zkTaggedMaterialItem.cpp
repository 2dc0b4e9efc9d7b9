#include "zkTaggedMaterialItem.h"

zkTaggedMaterialItem::zkTaggedMaterialItem(const QString &tag, const zkdMaterial &material)
    : zkMaterialTagBaseItem(zkMaterialTagId(tag, material))
    , m_tag(tag)
    , m_material(material)
{
}

void zkTaggedMaterialItem::update()
{
    setText(m_material.getName());
    setIcon(m_material.getIcon());
}
