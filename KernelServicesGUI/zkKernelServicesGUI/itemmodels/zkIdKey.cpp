#include "zkIdKey.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

namespace {

struct HashFunctions
{
    uint (*hash)(const QVariant &) = nullptr;
    bool (*equals)(const QVariant &, const QVariant &) = nullptr;
};

// By type id; a plain array, since every key looks its type up.
std::vector<HashFunctions> &hashFunctions()
{
    static std::vector<HashFunctions> functions;
    return functions;
}

} // namespace

zkIdKey::zkIdKey(const QVariant &id)
    : m_id(id)
    , m_type(id.userType())
{
    switch (m_type) {
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        m_integer = id.toULongLong();
        m_kind = Kind::Integer;
        break;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong: {
        const qlonglong value = id.toLongLong();
        m_integer = quint64(value);
        m_kind = value >= 0 ? Kind::Integer : Kind::Ordered;
        break;
    }
    default: {
        static const bool builtIns = [] {
            registerHashable<QString>();
            registerHashable<QByteArray>();
            return true;
        }();
        Q_UNUSED(builtIns);
        const std::vector<HashFunctions> &functions = hashFunctions();
        if (m_type > 0 && std::size_t(m_type) < functions.size() && functions[m_type].hash) {
            m_equals = functions[m_type].equals;
            // Equal values of different types stay apart.
            m_hash = functions[m_type].hash(id) ^ (std::size_t(m_type) << 32);
            m_kind = Kind::Hashed;
        }
        return;
    }
    }
    m_hash = std::hash<quint64>()(m_integer);
}

void zkIdKey::registerHashFunctions(int type, HashFunction hash, EqualsFunction equals)
{
    if (type <= 0)
        return;
    std::vector<HashFunctions> &functions = hashFunctions();
    if (std::size_t(type) >= functions.size())
        functions.resize(std::size_t(type) + 1);
    functions[type].hash = hash;
    functions[type].equals = equals;
}
