#pragma once

#include <QVariant>

#include <utility>
#include <vector>

// Display data of one model item by (column, role). A key packs the column into the high and
// the role into the low 32 bits; absent keys read as an invalid QVariant.
//
// An item holds a handful of entries, so they sit in one small array searched in order: one
// allocation per item instead of a hash table's several.
class zkItemDataMap
{
public:
    zkItemDataMap() = default;

    void swap(zkItemDataMap &other) noexcept { m_values.swap(other.m_values); }

    // True when the value was inserted or replaced a different one; false when the stored value
    // already equals value.
    bool insertOrModify(int column, int role, const QVariant &value);
    QVariant find(int column, int role) const;

private:
    static quint64 key(int column, int role)
    {
        return (quint64(quint32(column)) << 32) | quint32(role);
    }

    std::vector<std::pair<quint64, QVariant>> m_values;
};

inline void swap(zkItemDataMap &a, zkItemDataMap &b) noexcept
{
    a.swap(b);
}
