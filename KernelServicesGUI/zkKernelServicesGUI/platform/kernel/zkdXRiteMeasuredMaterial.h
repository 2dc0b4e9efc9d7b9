#pragma once

#include "zkdSwitchMaterial.h"

// A material measured from a real sample, loaded from a measurement file.
class zkdXRiteMeasuredMaterial : public zkdSwitchMaterial
{
    Q_GADGET
public:
    using zkdSwitchMaterial::zkdSwitchMaterial;
};

Q_DECLARE_METATYPE(zkdXRiteMeasuredMaterial)
