#pragma once

#include "zkdLensFlareElement.h"

// A stretched streak of light through the light source.
class zkdLensFlareStreak : public zkdLensFlareElement
{
    Q_GADGET
public:
    using zkdLensFlareElement::zkdLensFlareElement;
};

Q_DECLARE_METATYPE(zkdLensFlareStreak)
