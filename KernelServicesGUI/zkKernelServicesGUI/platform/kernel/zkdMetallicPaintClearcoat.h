#pragma once

#include "zkdPaintClearcoat.h"

// The clearcoat of metallic car paint, with its thickness and density.
class zkdMetallicPaintClearcoat : public zkdPaintClearcoat
{
    Q_GADGET
public:
    using zkdPaintClearcoat::zkdPaintClearcoat;
};

Q_DECLARE_METATYPE(zkdMetallicPaintClearcoat)
