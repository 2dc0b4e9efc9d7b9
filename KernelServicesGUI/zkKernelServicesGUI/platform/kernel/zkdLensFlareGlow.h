#pragma once

#include "zkdLensFlareElement.h"

// A soft disk of light around the light source.
class zkdLensFlareGlow : public zkdLensFlareElement
{
    Q_GADGET
public:
    using zkdLensFlareElement::zkdLensFlareElement;
};

Q_DECLARE_METATYPE(zkdLensFlareGlow)
