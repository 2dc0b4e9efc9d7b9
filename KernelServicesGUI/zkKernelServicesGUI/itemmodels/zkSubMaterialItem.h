#pragma once

#include "zkCoreMaterialItem.h"

#include <zkdSwitchMaterial.h>

// The item of a sub-material of a multi-material. Below a switch material it is checkable: the
// checked item is the switch's choice.
class zkSubMaterialItem : public zkCoreMaterialItem
{
public:
    zkSubMaterialItem(const zkMaterialId &parentId, const zkdMultiMaterial &multiMaterial, int index);

    int getIndex() const { return m_index; }
    // The parent is a switch material.
    bool isSwitchable() const;
    // The parent switch shows this sub-material.
    bool isSwitched() const;
    // Makes this sub-material the switch's choice, in one undo step.
    void setSwitched();

protected:
    void update() override;
    // Checking makes the choice; unchecking changes nothing in the scene.
    void checkStateChanged() override;
    bool canSetData(int role, const QVariant &value, int column) override;

private:
    zkdSwitchMaterial m_switch;
    int m_index;
};
