#pragma once

#include <RelativeOperator.h>

#include <QWidget>

class QZKNumberField;
class QZKPrecisionWheel;

// A precision wheel: a text field and a thumb wheel beside it that steps the value by
// singleStep() per notch. The object name is "QZKWheelPrec" and the widget takes keyboard focus
// (in its field), so that containers can find their focusable wheels by name.
// The field accepts relative entries such as "+=2", see QZKNumberField.
class QZKWheelPrec : public QWidget
{
    Q_OBJECT
public:
    explicit QZKWheelPrec(QWidget *parent = nullptr);

    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setSingleStep(double step);
    double singleStep() const { return m_singleStep; }
    // A negative value leaves the number of shown decimals as it is.
    void setDisplayDecimals(int decimals);
    int displayDecimals() const;
    void setSuffix(const QString &suffix);
    QString suffix() const;

    void setValue(double value);
    double value() const { return m_value; }

    void setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode mode);
    RelativeOperatorHandlingMode relativeOperatorHandlingMode() const;
    // Copies this widget's "multiselect" style property to the field and the wheel.
    void propagateMultiselectProperty();

signals:
    void valueChanged(double value);
    void relativeOperatorApplied(RelativeOperator op, double operand);

private:
    // Takes value, kept within the range, as the new value and reports it when it differs.
    void commit(double value);

    QZKNumberField *m_field;
    QZKPrecisionWheel *m_wheel;
    double m_minimum;
    double m_maximum;
    double m_singleStep = 0.1;
    double m_value = 0.0;
};
