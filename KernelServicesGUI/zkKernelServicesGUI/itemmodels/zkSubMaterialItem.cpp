#include "zkSubMaterialItem.h"

#include <zkScopedUndo.h>

zkSubMaterialItem::zkSubMaterialItem(const zkMaterialId &parentId, const zkdMultiMaterial &multiMaterial, int index)
    : zkCoreMaterialItem(zkMaterialId(parentId, index), multiMaterial.at(index))
    , m_switch(zkd_cast<zkdSwitchMaterial>(multiMaterial))
    , m_index(index)
{
}

bool zkSubMaterialItem::isSwitchable() const
{
    return !m_switch.isNull();
}

bool zkSubMaterialItem::isSwitched() const
{
    return isSwitchable() && m_switch.getChoice() == m_index;
}

void zkSubMaterialItem::setSwitched()
{
    const zkScopedUndo undo(true);
    m_switch.setChoice(m_index);
}

void zkSubMaterialItem::update()
{
    zkCoreMaterialItem::update();
    if (isSwitchable())
        setCheckState(isSwitched() ? Qt::Checked : Qt::Unchecked, 0);
}

void zkSubMaterialItem::checkStateChanged()
{
    if (getCheckState(0) == Qt::Checked && isSwitchable())
        setSwitched();
}

bool zkSubMaterialItem::canSetData(int role, const QVariant &value, int column)
{
    return isSwitchable() || zkCoreMaterialItem::canSetData(role, value, column);
}
