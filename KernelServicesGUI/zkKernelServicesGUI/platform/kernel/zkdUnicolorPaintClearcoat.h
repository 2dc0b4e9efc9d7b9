#pragma once

#include "zkdPaintClearcoat.h"

// The clearcoat of solid car paint.
class zkdUnicolorPaintClearcoat : public zkdPaintClearcoat
{
    Q_GADGET
public:
    using zkdPaintClearcoat::zkdPaintClearcoat;
};

Q_DECLARE_METATYPE(zkdUnicolorPaintClearcoat)
