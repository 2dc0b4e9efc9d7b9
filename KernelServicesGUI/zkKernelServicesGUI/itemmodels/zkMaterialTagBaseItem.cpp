#include "zkMaterialTagBaseItem.h"

zkMaterialTagBaseItem::zkMaterialTagBaseItem(const zkMaterialTagId &id)
    : m_id(id)
{
    setEnabled(true);
    setSelectable(true);
    setEditable(false);
    setCheckable(false);
    setDragEnabled(false);
    setDropEnabled(false);
}

QVariant zkMaterialTagBaseItem::getId()
{
    return QVariant::fromValue(m_id);
}
