#pragma once

#include "zkdSwitchMaterial.h"

// Chooses one of several environments.
class zkdEnvironmentSwitchMaterial : public zkdSwitchMaterial
{
    Q_GADGET
public:
    using zkdSwitchMaterial::zkdSwitchMaterial;
};

Q_DECLARE_METATYPE(zkdEnvironmentSwitchMaterial)
