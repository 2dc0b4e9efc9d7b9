#include "zkdSwitchMaterial.h"

int zkdSwitchMaterial::getChoice() const
{
    return int(property("choice").toUInt());
}

void zkdSwitchMaterial::setChoice(int index) const
{
    if (index >= 0)
        setProperty("choice", uint(index));
}
