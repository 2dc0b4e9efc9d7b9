#include "zkRelativeEntry.h"

#include <QString>

#include <array>
#include <cmath>

namespace {

struct OperatorToken
{
    const char *prefix;
    RelativeOperator op;
};

// "=" comes last: it is a suffix of every other token.
constexpr std::array<OperatorToken, 5> operatorTokens{{
    {"+=", RelativeOperatorAdd},
    {"-=", RelativeOperatorSubtract},
    {"*=", RelativeOperatorMultiply},
    {"/=", RelativeOperatorDivide},
    {"=", RelativeOperatorSet},
}};

QString withoutSuffix(const QString &text, const QString &suffix)
{
    QString result = text.trimmed();
    const QString trimmedSuffix = suffix.trimmed();
    if (!trimmedSuffix.isEmpty() && result.endsWith(trimmedSuffix))
        result.chop(trimmedSuffix.size());
    return result.trimmed();
}

double toNumber(QString text, bool *ok)
{
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = text.toDouble(ok);
    // "inf" and "nan" are numbers to QString but never a sensible entry.
    if (*ok && !std::isfinite(value))
        *ok = false;
    return value;
}

} // namespace

zkRelativeEntry zkRelativeEntry::parse(const QString &text, const QString &suffix)
{
    const QString entry = withoutSuffix(text, suffix);
    for (const OperatorToken &token : operatorTokens) {
        const QLatin1String prefix(token.prefix);
        if (!entry.startsWith(prefix))
            continue;
        bool ok = false;
        const double operand = toNumber(entry.mid(prefix.size()).trimmed(), &ok);
        return ok ? zkRelativeEntry(token.op, operand) : zkRelativeEntry();
    }
    return {};
}

double zkParseNumberEntry(const QString &text, const QString &suffix, bool *ok)
{
    bool parsed = false;
    const double value = toNumber(withoutSuffix(text, suffix), &parsed);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0.0;
}
