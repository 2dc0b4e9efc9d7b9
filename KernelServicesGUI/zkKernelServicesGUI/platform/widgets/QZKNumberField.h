#pragma once

#include <RelativeOperator.h>

#include <QLineEdit>

// The text field of the number widgets (slider, wheel, vectors). Shows a value with a number of
// decimals and a suffix, and turns what the user types into a value or a relative entry.
//
// In RelativeOperatorHandlingApply mode a typed relative entry ("+=2") is applied to the shown
// value and reported as valueEntered; in RelativeOperatorHandlingReport mode it is reported
// unapplied as relativeEntered, and the field goes back to the shown value.
class QZKNumberField : public QLineEdit
{
    Q_OBJECT
public:
    explicit QZKNumberField(QWidget *parent = nullptr);

    void setDecimals(int decimals);
    int decimals() const { return m_decimals; }
    void setSuffix(const QString &suffix);
    QString suffix() const { return m_suffix; }
    void setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode mode) { m_mode = mode; }
    RelativeOperatorHandlingMode relativeOperatorHandlingMode() const { return m_mode; }

    // Replaces the text with value; discards what the user was typing.
    void showValue(double value);
    double shownValue() const { return m_value; }

signals:
    void valueEntered(double value);
    void relativeEntered(RelativeOperator op, double operand);
    // Up and Down keys (Page Up and Page Down count ten).
    void stepRequested(int steps);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void commit();
    void restore();

    double m_value = 0.0;
    int m_decimals = 3;
    QString m_suffix;
    RelativeOperatorHandlingMode m_mode = RelativeOperatorHandlingApply;
};
