#pragma once

#include <QMetaType>

// How a typed relative entry ("+=2", "*=0.5" ...) in a number widget combines with a value.
enum RelativeOperator {
    RelativeOperatorNone = 0,
    RelativeOperatorAdd = 1,
    RelativeOperatorSubtract = 2,
    RelativeOperatorMultiply = 3,
    RelativeOperatorDivide = 4,
    RelativeOperatorSet = 5
};

// 0: the widget applies a relative entry itself and reports the result as a value.
// 1: the widget reports the entry with relativeOperatorApplied and leaves applying it to the
//    caller, which edits several objects each relative to its own value.
enum RelativeOperatorHandlingMode {
    RelativeOperatorHandlingApply = 0,
    RelativeOperatorHandlingReport = 1
};

// The result of applying op with operand to value; an unknown operator leaves value unchanged.
template <typename T>
constexpr T zkApplyRelativeOperator(T value, RelativeOperator op, T operand)
{
    switch (op) {
    case RelativeOperatorAdd: return value + operand;
    case RelativeOperatorSubtract: return value - operand;
    case RelativeOperatorMultiply: return value * operand;
    case RelativeOperatorDivide: return operand != T(0) ? value / operand : value;
    case RelativeOperatorSet: return operand;
    case RelativeOperatorNone: break;
    }
    return value;
}

// Carried by the widgets' relativeOperatorApplied signals, also across queued connections.
Q_DECLARE_METATYPE(RelativeOperator)
