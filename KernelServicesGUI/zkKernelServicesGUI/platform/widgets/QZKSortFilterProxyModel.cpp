#include "QZKSortFilterProxyModel.h"

#include <QStringView>

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The end of the run starting at begin that holds only digits or only non-digits.
int runEnd(QStringView text, int begin)
{
    const bool digits = isDigit(text[begin]);
    int end = begin + 1;
    while (end < text.size() && isDigit(text[end]) == digits)
        ++end;
    return end;
}

int compareNumbers(QStringView a, QStringView b)
{
    // Without leading zeros, a longer run is a larger number; equal lengths compare by digits.
    const auto significant = [](QStringView digits) {
        int zeros = 0;
        while (zeros < digits.size() - 1 && digits[zeros] == QLatin1Char('0'))
            ++zeros;
        return digits.mid(zeros);
    };
    const QStringView x = significant(a);
    const QStringView y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

} // namespace

QZKSortFilterProxyModel::QZKSortFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

int QZKSortFilterProxyModel::naturalCompare(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        const int iEnd = runEnd(a, i);
        const int jEnd = runEnd(b, j);
        const QStringView x = QStringView(a).mid(i, iEnd - i);
        const QStringView y = QStringView(b).mid(j, jEnd - j);
        const bool xDigits = isDigit(x[0]);
        const bool yDigits = isDigit(y[0]);
        int result = 0;
        if (xDigits && yDigits)
            result = compareNumbers(x, y);
        else if (xDigits != yDigits)
            result = xDigits ? -1 : 1;
        else
            result = x.compare(y, Qt::CaseInsensitive);
        if (result != 0)
            return result < 0 ? -1 : 1;
        i = iEnd;
        j = jEnd;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    const int exact = a.compare(b);
    return exact < 0 ? -1 : exact > 0 ? 1 : 0;
}

bool QZKSortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    // Numbers as such; their texts would sort 1.5 after 1.25.
    if (isNumber(a) && isNumber(b))
        return a.toDouble() < b.toDouble();
    return naturalCompare(a.toString(), b.toString()) < 0;
}
