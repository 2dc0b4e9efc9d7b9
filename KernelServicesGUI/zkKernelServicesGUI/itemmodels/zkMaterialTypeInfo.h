#pragma once

#include <QString>

// One entry of the material type registry.
class zkMaterialTypeInfo
{
public:
    zkMaterialTypeInfo() = default;
    zkMaterialTypeInfo(int type, int category, const QString &typeName, const QString &name);

    int type = 0;
    int category = 0;
    // The kernel class name of materials of this type.
    QString typeName;
    // The display name.
    QString name;
};
