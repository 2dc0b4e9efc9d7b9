#pragma once

#include <RelativeOperator.h>

class QString;

// A relative entry typed into a number field: "+=2", "-=0.5", "*=3", "/=2" or "=5".
// Plain numbers are not relative entries and parse to an invalid entry.
class zkRelativeEntry
{
public:
    constexpr zkRelativeEntry() = default;
    constexpr zkRelativeEntry(RelativeOperator op, double operand) : m_op(op), m_operand(operand) {}

    // Parses text, ignoring surrounding white space and a trailing suffix (such as " mm") when
    // one is given. A comma is accepted as the decimal separator.
    static zkRelativeEntry parse(const QString &text, const QString &suffix = {});

    constexpr bool isValid() const { return m_op != RelativeOperatorNone; }
    constexpr RelativeOperator op() const { return m_op; }
    constexpr double operand() const { return m_operand; }

    constexpr double appliedTo(double value) const { return zkApplyRelativeOperator(value, m_op, m_operand); }

private:
    RelativeOperator m_op = RelativeOperatorNone;
    double m_operand = 0.0;
};

// Parses a plain number as typed into a number field, with the same rules for white space,
// suffix and decimal separator as zkRelativeEntry::parse. Sets *ok when given.
double zkParseNumberEntry(const QString &text, const QString &suffix = {}, bool *ok = nullptr);
