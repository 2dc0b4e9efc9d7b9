#include "zkVariantLess.h"

#include <QVariant>

namespace {

enum class NumberKind { None, Signed, Unsigned, Floating };

NumberKind numberKind(int type)
{
    switch (type) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return NumberKind::Signed;
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return NumberKind::Unsigned;
    case QMetaType::Float:
    case QMetaType::Double:
        return NumberKind::Floating;
    default:
        return NumberKind::None;
    }
}

bool numberLess(const QVariant &a, NumberKind ka, const QVariant &b, NumberKind kb)
{
    if (ka == NumberKind::Floating || kb == NumberKind::Floating)
        return a.toDouble() < b.toDouble();
    if (ka == kb) {
        return ka == NumberKind::Signed ? a.toLongLong() < b.toLongLong()
                                        : a.toULongLong() < b.toULongLong();
    }
    // Mixed signedness: a negative number is below every unsigned one.
    if (ka == NumberKind::Signed) {
        const qlonglong x = a.toLongLong();
        return x < 0 || qulonglong(x) < b.toULongLong();
    }
    const qlonglong y = b.toLongLong();
    return y >= 0 && a.toULongLong() < qulonglong(y);
}

} // namespace

bool zkVariantLess::operator()(const QVariant &a, const QVariant &b) const
{
    const int ta = a.userType();
    const int tb = b.userType();
    const NumberKind ka = numberKind(ta);
    const NumberKind kb = numberKind(tb);
    if (ka != NumberKind::None || kb != NumberKind::None) {
        if (ka == NumberKind::None || kb == NumberKind::None)
            return kb == NumberKind::None;
        return numberLess(a, ka, b, kb);
    }
    if (ta != tb)
        return ta < tb;

    switch (ta) {
    case QMetaType::UnknownType:
        return false;
    case QMetaType::QString:
        return a.toString() < b.toString();
    case QMetaType::QByteArray:
        return a.toByteArray() < b.toByteArray();
    default:
        break;
    }
    int result = 0;
    if (QMetaType::compare(a.constData(), b.constData(), ta, &result))
        return result < 0;
    if (a == b)
        return false;
    return a.toString() < b.toString();
}
