#include "zkdMaterialNode.h"

zkdMaterial zkdMaterialNode::getMaterial() const
{
    return property("material").value<zkdMaterial>();
}

void zkdMaterialNode::setMaterial(const zkdMaterial &material) const
{
    setProperty("material", QVariant::fromValue(material));
}
