#pragma once

#include "zkdLensFlareElement.h"

// A starburst of rays around the light source.
class zkdLensFlareStar : public zkdLensFlareElement
{
    Q_GADGET
public:
    using zkdLensFlareElement::zkdLensFlareElement;
};

Q_DECLARE_METATYPE(zkdLensFlareStar)
