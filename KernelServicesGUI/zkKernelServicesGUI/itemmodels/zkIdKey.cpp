#include "zkIdKey.h"

zkIdKey::zkIdKey(const QVariant &id)
    : m_id(id)
{
    switch (id.userType()) {
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        m_integer = id.toULongLong();
        m_isInteger = true;
        break;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong: {
        const qlonglong value = id.toLongLong();
        m_isInteger = value >= 0;
        m_integer = quint64(value);
        break;
    }
    default:
        break;
    }
}
