#pragma once

#include "zkdCarbonPattern.h"

// A carbon weave rotated in space.
class zkdCarbonPattern3D : public zkdCarbonPattern
{
    Q_GADGET
public:
    using zkdCarbonPattern::zkdCarbonPattern;
};

Q_DECLARE_METATYPE(zkdCarbonPattern3D)
