#pragma once

#include "zkdClearcoat.h"

// The clearcoat of car paints, with orange peel.
class zkdPaintClearcoat : public zkdClearcoat
{
    Q_GADGET
public:
    using zkdClearcoat::zkdClearcoat;
};

Q_DECLARE_METATYPE(zkdPaintClearcoat)
