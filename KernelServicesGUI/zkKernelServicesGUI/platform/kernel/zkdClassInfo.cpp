#include "zkdClassInfo.h"

bool zkdClassInfo::inherits(const zkdClassInfo *other) const
{
    for (const zkdClassInfo *info = this; info; info = info->base) {
        if (info == other)
            return true;
    }
    return false;
}
