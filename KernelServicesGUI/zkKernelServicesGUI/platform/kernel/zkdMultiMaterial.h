#pragma once

#include "zkdMaterial.h"

// A material made of sub-materials, kept in the order of its materials property.
class zkdMultiMaterial : public zkdMaterial
{
    Q_GADGET
public:
    using zkdMaterial::zkdMaterial;

    int count() const;
    // The sub-material at index; null when index is out of range.
    zkdMaterial at(int index) const;
    QList<zkdMaterial> getMaterials() const;
    // An edit of the materials property.
    void setMaterials(const QList<zkdMaterial> &materials) const;
};

Q_DECLARE_METATYPE(zkdMultiMaterial)
