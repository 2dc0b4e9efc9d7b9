#pragma once

#include <QWidget>

class QLabel;
class QSlider;
class QSpinBox;

// A colour temperature (in kelvin) as a slider over the colours of that range plus a spin box.
// The epilog is a text shown before the slider, the trailer one shown after the spin box.
class QZKWhiteBalance : public QWidget
{
    Q_OBJECT
public:
    explicit QZKWhiteBalance(QWidget *parent, const char *name = nullptr);

    void setMinimum(int minimum);
    int minimum() const;
    void setMaximum(int maximum);
    int maximum() const;
    void setStep(int step);
    int step() const;
    void setSuffix(const QString &suffix);
    QString suffix() const;
    void setTrailer(const QString &text);
    QString trailer() const;
    void setEpilog(const QString &text);
    QString epilog() const;

    void setValue(int value);
    int value() const { return m_value; }

signals:
    void valueChanged(int value);

private:
    void setRange(int minimum, int maximum);
    void commit(int value);
    void showValue();

    QLabel *m_epilog;
    QSlider *m_slider;
    QWidget *m_colorBar;
    QSpinBox *m_spinBox;
    QLabel *m_trailer;
    int m_value = 0;
};
