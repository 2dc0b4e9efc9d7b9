#pragma once

#include "zkBaseMaterialItem.h"

#include <zkdMaterial.h>
#include <zkdMultiMaterial.h>

// An item that shows a material: its name, its icon and, for a multi-material, its
// sub-materials. The material's type is stored under the type role (Qt::UserRole) of column 0.
class zkCoreMaterialItem : public zkBaseMaterialItem
{
public:
    zkCoreMaterialItem(const zkMaterialId &id, const zkdMaterial &material);

    zkdMaterial getMaterial() const { return m_material; }
    // Null when the material is not a multi-material.
    zkdMultiMaterial getMultiMaterial() const;

protected:
    void update() override;
    // Renames the material in one undo step.
    void textChanged() override;

    // Shows another material under the same id, as when sub-materials change places.
    void setMaterial(const zkdMaterial &material);

private:
    void setType();

    zkdMaterial m_material;
};
