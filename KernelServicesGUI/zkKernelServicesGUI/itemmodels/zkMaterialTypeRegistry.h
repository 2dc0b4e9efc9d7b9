#pragma once

#include "zkMaterialTypeInfo.h"

#include <QCoreApplication>
#include <QList>

#include <array>

class zkdMaterial;

// The fixed table of the material kinds: type number, category, kernel class and display name.
// Lookups that miss answer the invalid entry (type 0).
class zkMaterialTypeRegistry
{
    Q_DECLARE_TR_FUNCTIONS(zkMaterialTypeRegistry)
public:
    static const zkMaterialTypeRegistry &getInstance();

    // The valid types, 1 to 28, in table order.
    QList<int> getTypes() const;
    QList<const zkMaterialTypeInfo *> getTypeInfos() const { return m_infos; }

    const zkMaterialTypeInfo &lookup(int type) const;
    const zkMaterialTypeInfo &lookup(const QString &typeName) const;
    const zkMaterialTypeInfo &lookup(const zkdMaterial &material) const;

    zkMaterialTypeRegistry(const zkMaterialTypeRegistry &) = delete;
    zkMaterialTypeRegistry &operator=(const zkMaterialTypeRegistry &) = delete;

private:
    static constexpr int entryCount = 29;

    zkMaterialTypeRegistry();

    std::array<zkMaterialTypeInfo, entryCount> m_entries;
    // The kernel type ids of the entries' classes, so that a material is looked up without
    // building its class name.
    std::array<quint64, entryCount> m_typeIds{};
    QList<const zkMaterialTypeInfo *> m_infos;
};
