#pragma once

#include "zkdCarbonPattern.h"

// A carbon weave rotated in the texture plane.
class zkdCarbonPattern2D : public zkdCarbonPattern
{
    Q_GADGET
public:
    using zkdCarbonPattern::zkdCarbonPattern;
};

Q_DECLARE_METATYPE(zkdCarbonPattern2D)
