#include "QZKIntegerSlider.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

QZKIntegerSlider::QZKIntegerSlider(QWidget *parent)
    : QWidget(parent)
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_spinBox(new QSpinBox(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_slider, 1);
    layout->addWidget(m_spinBox);
    setFocusProxy(m_spinBox);

    m_slider->setRange(0, 100);
    // Typing "150" must not report 1 and 15 on the way.
    m_spinBox->setKeyboardTracking(false);
    updateEditRange();

    connect(m_slider, &QSlider::valueChanged, this, &QZKIntegerSlider::commit);
    connect(m_spinBox, qOverload<int>(&QSpinBox::valueChanged), this, &QZKIntegerSlider::commit);
}

void QZKIntegerSlider::setMinimum(int minimum)
{
    const QSignalBlocker blocker(m_slider);
    m_slider->setMinimum(minimum);
    updateEditRange();
}

int QZKIntegerSlider::minimum() const
{
    return m_slider->minimum();
}

void QZKIntegerSlider::setMaximum(int maximum)
{
    const QSignalBlocker blocker(m_slider);
    m_slider->setMaximum(maximum);
    updateEditRange();
}

int QZKIntegerSlider::maximum() const
{
    return m_slider->maximum();
}

void QZKIntegerSlider::setHardMinimum(int minimum)
{
    m_hardMinimum = minimum;
    m_hasHardMinimum = true;
    updateEditRange();
}

void QZKIntegerSlider::setHardMaximum(int maximum)
{
    m_hardMaximum = maximum;
    m_hasHardMaximum = true;
    updateEditRange();
}

void QZKIntegerSlider::setStep(int step)
{
    m_slider->setSingleStep(step);
    m_spinBox->setSingleStep(step);
}

void QZKIntegerSlider::setPageStep(int step)
{
    m_slider->setPageStep(step);
}

void QZKIntegerSlider::setPrefix(const QString &prefix)
{
    m_spinBox->setPrefix(prefix);
}

void QZKIntegerSlider::setSuffix(const QString &suffix)
{
    m_spinBox->setSuffix(suffix);
}

void QZKIntegerSlider::setSpecialSuffix(const QString &text)
{
    m_spinBox->setSpecialValueText(text);
}

void QZKIntegerSlider::setTracking(bool enable)
{
    m_slider->setTracking(enable);
}

void QZKIntegerSlider::setValue(int value)
{
    commit(value);
}

void QZKIntegerSlider::updateEditRange()
{
    int low = m_slider->minimum();
    int high = m_slider->maximum();
    if (m_hasHardMinimum && m_hasHardMaximum && m_hardMinimum <= m_hardMaximum) {
        low = std::min(low, m_hardMinimum);
        high = std::max(high, m_hardMaximum);
    }
    {
        const QSignalBlocker blocker(m_spinBox);
        m_spinBox->setRange(low, high);
    }
    m_value = std::clamp(m_value, low, high);
    showValue(m_value);
}

void QZKIntegerSlider::commit(int value)
{
    const int newValue = std::clamp(value, m_spinBox->minimum(), m_spinBox->maximum());
    const bool changed = newValue != m_value;
    m_value = newValue;
    showValue(m_value);
    if (changed)
        emit valueChanged(m_value);
}

void QZKIntegerSlider::showValue(int value)
{
    // The slider rests at its end for values only the spin box can reach.
    const QSignalBlocker sliderBlocker(m_slider);
    const QSignalBlocker spinBoxBlocker(m_spinBox);
    m_slider->setValue(value);
    m_spinBox->setValue(value);
}

