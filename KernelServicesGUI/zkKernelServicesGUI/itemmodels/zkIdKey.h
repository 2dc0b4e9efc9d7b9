#pragma once

#include "zkVariantLess.h"

#include <QVariant>

#include <cstddef>

// An item id prepared for the model's id index. Non-negative integers, by far the most common
// kind, hash and compare without going through QVariant; ids of the types registered with
// registerHashable() hash by type and value; any other id is ordered by zkVariantLess.
class zkIdKey
{
public:
    explicit zkIdKey(const QVariant &id);

    // Lets ids of T go into the hash index; T needs operator== and qHash(const T &, uint).
    // Registration must come before any id of T is indexed, as from a static initializer:
    // ids indexed before it would no longer be found.
    template <typename T>
    static void registerHashable()
    {
        registerHashFunctions(qMetaTypeId<T>(), &hashOf<T>, &equals<T>);
    }

    bool isHashed() const { return m_kind != Kind::Ordered; }

    struct Hasher
    {
        std::size_t operator()(const zkIdKey &key) const { return key.m_hash; }
    };

    // For hashed keys.
    friend bool operator==(const zkIdKey &a, const zkIdKey &b)
    {
        if (a.m_kind != b.m_kind || a.m_hash != b.m_hash)
            return false;
        if (a.m_kind == Kind::Integer)
            return a.m_integer == b.m_integer;
        return a.m_type == b.m_type && a.m_equals(a.m_id, b.m_id);
    }

    // For ordered keys.
    friend bool operator<(const zkIdKey &a, const zkIdKey &b) { return zkVariantLess()(a.m_id, b.m_id); }

private:
    using HashFunction = uint (*)(const QVariant &);
    using EqualsFunction = bool (*)(const QVariant &, const QVariant &);

    enum class Kind { Integer, Hashed, Ordered };

    template <typename T>
    static uint hashOf(const QVariant &id)
    {
        return qHash(*static_cast<const T *>(id.constData()));
    }

    template <typename T>
    static bool equals(const QVariant &a, const QVariant &b)
    {
        return *static_cast<const T *>(a.constData()) == *static_cast<const T *>(b.constData());
    }

    static void registerHashFunctions(int type, HashFunction hash, EqualsFunction equals);

    QVariant m_id;
    quint64 m_integer = 0;
    EqualsFunction m_equals = nullptr;
    std::size_t m_hash = 0;
    int m_type = QMetaType::UnknownType;
    Kind m_kind = Kind::Ordered;
};
