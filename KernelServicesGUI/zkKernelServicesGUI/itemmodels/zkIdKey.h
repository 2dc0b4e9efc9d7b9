#pragma once

#include "zkVariantLess.h"

#include <QVariant>

// An item id prepared for fast ordering: ids that are non-negative integers, by far the most
// common kind, compare without going through QVariant.
class zkIdKey
{
public:
    explicit zkIdKey(const QVariant &id);

    bool isInteger() const { return m_isInteger; }
    quint64 integer() const { return m_integer; }

    friend bool operator<(const zkIdKey &a, const zkIdKey &b)
    {
        if (a.m_isInteger && b.m_isInteger)
            return a.m_integer < b.m_integer;
        return zkVariantLess()(a.m_id, b.m_id);
    }

private:
    QVariant m_id;
    quint64 m_integer = 0;
    bool m_isInteger = false;
};
