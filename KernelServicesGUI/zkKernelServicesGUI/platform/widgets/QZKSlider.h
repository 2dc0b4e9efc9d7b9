#pragma once

#include <RelativeOperator.h>

#include <QWidget>

class QSlider;
class QZKNumberField;

// A floating-point slider with a text field. Values are rounded to decimals() and kept within
// the range; the field shows displayDecimals() digits and the suffix.
//
// A drag reports sliderPressed, sliderMoved for each new position (and valueChanged with
// tracking on), then sliderReleased; value() holds the final value when sliderReleased comes.
// With tracking off the changed value is reported once, just before sliderReleased.
// The field accepts relative entries such as "+=2", see QZKNumberField.
class QZKSlider : public QWidget
{
    Q_OBJECT
public:
    explicit QZKSlider(QWidget *parent = nullptr);

    // Enables or disables the input parts; the widget itself stays enabled.
    virtual void setControlEnabled(bool enabled);

    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setLineStep(double step);
    double lineStep() const { return m_lineStep; }
    void setDecimals(int decimals);
    int decimals() const { return m_decimals; }
    // A negative value shows decimals() digits.
    void setDisplayDecimals(int decimals);
    int displayDecimals() const;
    void setSuffix(const QString &suffix);
    QString suffix() const;
    void setTracking(bool enable) { m_tracking = enable; }
    bool hasTracking() const { return m_tracking; }

    void setValue(double value);
    double value() const { return m_value; }

    void setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode mode);
    RelativeOperatorHandlingMode relativeOperatorHandlingMode() const;
    // Copies this widget's "multiselect" style property to the slider and the field.
    void propagateMultiselectProperty();

signals:
    void valueChanged(double value);
    void sliderPressed();
    void sliderMoved(double value);
    void sliderReleased();
    void relativeOperatorApplied(RelativeOperator op, double operand);

private:
    void onSliderPressed();
    void onSliderMoved(int position);
    void onSliderReleased();
    void onSliderValueChanged(int position);

    double bounded(double value) const;
    double valueAt(int position) const;
    int positionOf(double value) const;
    void updateSliderScale();
    void updateFieldWidth();
    void showValue();
    // Takes value as the new value and reports it when it differs.
    void commit(double value);

    QSlider *m_slider;
    QZKNumberField *m_field;
    double m_minimum = 0.0;
    double m_maximum = 100.0;
    double m_lineStep = 1.0;
    double m_value = 0.0;
    double m_valueAtPress = 0.0;
    int m_decimals = 2;
    int m_displayDecimals = -1;
    bool m_tracking = true;
};
