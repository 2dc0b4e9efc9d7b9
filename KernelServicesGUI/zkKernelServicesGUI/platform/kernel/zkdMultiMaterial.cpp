#include "zkdMultiMaterial.h"

int zkdMultiMaterial::count() const
{
    return getMaterials().size();
}

zkdMaterial zkdMultiMaterial::at(int index) const
{
    return getMaterials().value(index);
}

QList<zkdMaterial> zkdMultiMaterial::getMaterials() const
{
    return property("materials").value<QList<zkdMaterial>>();
}

void zkdMultiMaterial::setMaterials(const QList<zkdMaterial> &materials) const
{
    setProperty("materials", QVariant::fromValue(materials));
}
