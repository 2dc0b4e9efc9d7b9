#pragma once

#include "zkdLensFlareElement.h"

// A halo ring around the light source, optionally split into streaks.
class zkdLensFlareRing : public zkdLensFlareElement
{
    Q_GADGET
public:
    using zkdLensFlareElement::zkdLensFlareElement;
};

Q_DECLARE_METATYPE(zkdLensFlareRing)
