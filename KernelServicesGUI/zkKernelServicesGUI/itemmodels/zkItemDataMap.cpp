#include "zkItemDataMap.h"

#include <algorithm>

bool zkItemDataMap::insertOrModify(int column, int role, const QVariant &value)
{
    const quint64 wanted = key(column, role);
    const auto it = std::find_if(m_values.begin(), m_values.end(),
                                 [wanted](const std::pair<quint64, QVariant> &entry) { return entry.first == wanted; });
    if (it == m_values.end()) {
        // Items mostly hold text, icon and one or two roles more: one allocation for them all.
        if (m_values.empty())
            m_values.reserve(4);
        m_values.emplace_back(wanted, value);
        return true;
    }
    if (it->second == value)
        return false;
    it->second = value;
    return true;
}

QVariant zkItemDataMap::find(int column, int role) const
{
    const quint64 wanted = key(column, role);
    for (const auto &entry : m_values) {
        if (entry.first == wanted)
            return entry.second;
    }
    return QVariant();
}
