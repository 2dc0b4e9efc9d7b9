#pragma once

#include "zkLineEditControl.h"

#include <QLineEdit>
#include <QRegExpValidator>

#include <type_traits>

// A line edit for one number type T: a validator keeps malformed numbers out, floating-point
// values are shown with six significant digits and integers in base 10. A text beyond the
// range of T converts to 0, which is written as such.
template <typename T>
class zkNumberControl : public zkLineEditControl
{
    static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>);

public:
    using Options = zkBaseControlOptions;

    zkNumberControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
        : zkLineEditControl(editorWidget, propertyName, options)
    {
        getLineEdit()->setValidator(new QRegExpValidator(QRegExp(pattern()), getLineEdit()));
    }

protected:
    QVariant toValue(const QString &text) const override { return QVariant::fromValue(fromText(text)); }

    QString toText(const QVariant &value) const override
    {
        if constexpr (std::is_floating_point_v<T>)
            return QString::number(double(value.value<T>()), 'g', 6);
        else
            return QString::number(value.value<T>(), 10);
    }

private:
    static QString pattern()
    {
        if constexpr (std::is_floating_point_v<T>)
            return QStringLiteral("^[+-]?([0-9]+([.][0-9]*)?|[.][0-9]+)$");
        else if constexpr (std::is_signed_v<T>)
            return QStringLiteral("^-?[0-9]+");
        else
            return QStringLiteral("[0-9]+");
    }

    static T fromText(const QString &text)
    {
        if constexpr (std::is_same_v<T, double>)
            return text.toDouble();
        else if constexpr (std::is_same_v<T, float>)
            return text.toFloat();
        else if constexpr (std::is_same_v<T, int>)
            return text.toInt(nullptr, 10);
        else if constexpr (std::is_same_v<T, uint>)
            return text.toUInt(nullptr, 10);
        else if constexpr (std::is_same_v<T, qlonglong>)
            return text.toLongLong(nullptr, 10);
        else
            return text.toULongLong(nullptr, 10);
    }
};
