#include "zkMaterialTypeInfo.h"

zkMaterialTypeInfo::zkMaterialTypeInfo(int type, int category, const QString &typeName, const QString &name)
    : type(type)
    , category(category)
    , typeName(typeName)
    , name(name)
{
}
