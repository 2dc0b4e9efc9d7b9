#include "zkdLensFlareElement.h"

QString zkdLensFlareElement::getName() const
{
    return property("name").toString();
}

void zkdLensFlareElement::setName(const QString &name) const
{
    setProperty("name", name);
}

bool zkdLensFlareElement::getIsActive() const
{
    return property("isActive").toBool();
}

void zkdLensFlareElement::setIsActive(bool active) const
{
    setProperty("isActive", active);
}
