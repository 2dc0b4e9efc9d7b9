#pragma once

#include <QWidget>

class QSlider;
class QSpinBox;

// An integer slider with a spin box. The slider covers the soft range (minimum to maximum);
// the spin box accepts values up to the hard range when one is set, beyond the slider's ends.
class QZKIntegerSlider : public QWidget
{
    Q_OBJECT
public:
    explicit QZKIntegerSlider(QWidget *parent = nullptr);

    void setMinimum(int minimum);
    int minimum() const;
    void setMaximum(int maximum);
    int maximum() const;
    // The hard range applies once both ends are set; it never narrows the soft range.
    void setHardMinimum(int minimum);
    void setHardMaximum(int maximum);
    void setStep(int step);
    void setPageStep(int step);
    void setPrefix(const QString &prefix);
    void setSuffix(const QString &suffix);
    // Shown instead of the number when the value is at the lower end of the spin box's range.
    void setSpecialSuffix(const QString &text);
    void setTracking(bool enable);

    void setValue(int value);
    int value() const { return m_value; }

signals:
    void valueChanged(int value);

private:
    void updateEditRange();
    void commit(int value);
    void showValue(int value);

    QSlider *m_slider;
    QSpinBox *m_spinBox;
    int m_value = 0;
    int m_hardMinimum = 0;
    int m_hardMaximum = 0;
    bool m_hasHardMinimum = false;
    bool m_hasHardMaximum = false;
};
