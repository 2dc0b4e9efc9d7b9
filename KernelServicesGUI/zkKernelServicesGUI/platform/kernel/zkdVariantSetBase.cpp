#include "zkdVariantSetBase.h"

QString zkdVariantSetBase::getName() const
{
    return property("name").toString();
}

void zkdVariantSetBase::setName(const QString &name) const
{
    setProperty("name", name);
}
