#include "QZKSlider.h"

#include "QZKNumberField.h"
#include "zkUIStyle.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace {

// The slider moves in units of the last decimal, but never in more than this many steps, so
// that wide ranges with many decimals still fit an int and stay responsive.
constexpr int maximumSliderSteps = 100000;

double roundedTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

QZKSlider::QZKSlider(QWidget *parent)
    : QWidget(parent)
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_field(new QZKNumberField(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_slider, 1);
    layout->addWidget(m_field);
    setFocusProxy(m_field);

    connect(m_slider, &QSlider::sliderPressed, this, &QZKSlider::onSliderPressed);
    connect(m_slider, &QSlider::sliderMoved, this, &QZKSlider::onSliderMoved);
    connect(m_slider, &QSlider::sliderReleased, this, &QZKSlider::onSliderReleased);
    connect(m_slider, &QSlider::valueChanged, this, &QZKSlider::onSliderValueChanged);
    connect(m_field, &QZKNumberField::valueEntered, this, &QZKSlider::commit);
    connect(m_field, &QZKNumberField::relativeEntered, this, &QZKSlider::relativeOperatorApplied);
    connect(m_field, &QZKNumberField::stepRequested, this,
            [this](int steps) { commit(m_value + steps * m_lineStep); });

    m_field->setDecimals(displayDecimals());
    updateSliderScale();
    showValue();
    updateFieldWidth();
}

void QZKSlider::setControlEnabled(bool enabled)
{
    m_slider->setEnabled(enabled);
    m_field->setEnabled(enabled);
}

void QZKSlider::setRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = bounded(m_value);
    updateSliderScale();
    showValue();
    updateFieldWidth();
}

void QZKSlider::setLineStep(double step)
{
    m_lineStep = std::abs(step);
    updateSliderScale();
}

void QZKSlider::setDecimals(int decimals)
{
    m_decimals = std::max(0, decimals);
    m_value = bounded(m_value);
    m_field->setDecimals(displayDecimals());
    updateSliderScale();
    showValue();
    updateFieldWidth();
}

void QZKSlider::setDisplayDecimals(int decimals)
{
    m_displayDecimals = decimals;
    m_field->setDecimals(displayDecimals());
    updateFieldWidth();
}

int QZKSlider::displayDecimals() const
{
    return m_displayDecimals < 0 ? m_decimals : m_displayDecimals;
}

void QZKSlider::setSuffix(const QString &suffix)
{
    m_field->setSuffix(suffix);
    updateFieldWidth();
}

QString QZKSlider::suffix() const
{
    return m_field->suffix();
}

void QZKSlider::setValue(double value)
{
    commit(value);
}

void QZKSlider::setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode mode)
{
    m_field->setRelativeOperatorHandlingMode(mode);
}

RelativeOperatorHandlingMode QZKSlider::relativeOperatorHandlingMode() const
{
    return m_field->relativeOperatorHandlingMode();
}

void QZKSlider::propagateMultiselectProperty()
{
    const QVariant multiselect = property("multiselect");
    zkUIStyle::setControlProperty(m_slider, "multiselect", multiselect);
    zkUIStyle::setControlProperty(m_field, "multiselect", multiselect);
}

void QZKSlider::onSliderPressed()
{
    m_valueAtPress = m_value;
    emit sliderPressed();
}

void QZKSlider::onSliderMoved(int position)
{
    m_value = valueAt(position);
    m_field->showValue(m_value);
    emit sliderMoved(m_value);
    if (m_tracking)
        emit valueChanged(m_value);
}

void QZKSlider::onSliderReleased()
{
    if (!m_tracking && m_value != m_valueAtPress)
        emit valueChanged(m_value);
    emit sliderReleased();
}

void QZKSlider::onSliderValueChanged(int position)
{
    // Drags are reported through onSliderMoved; this is for keys, wheel and page clicks.
    if (!m_slider->isSliderDown())
        commit(valueAt(position));
}

double QZKSlider::bounded(double value) const
{
    return std::clamp(roundedTo(value, m_decimals), m_minimum, m_maximum);
}

double QZKSlider::valueAt(int position) const
{
    const double fraction = double(position) / m_slider->maximum();
    return bounded(m_minimum + fraction * (m_maximum - m_minimum));
}

int QZKSlider::positionOf(double value) const
{
    const double span = m_maximum - m_minimum;
    if (span <= 0.0)
        return 0;
    return int(std::lround((value - m_minimum) / span * m_slider->maximum()));
}

void QZKSlider::updateSliderScale()
{
    const double unit = std::pow(10.0, -m_decimals);
    const double steps = std::clamp(std::round((m_maximum - m_minimum) / unit), 1.0, double(maximumSliderSteps));
    const double stepsPerValue = steps / std::max(m_maximum - m_minimum, unit);
    const int singleStep = std::max(1, int(std::lround(m_lineStep * stepsPerValue)));

    const QSignalBlocker blocker(m_slider);
    m_slider->setRange(0, int(steps));
    m_slider->setSingleStep(singleStep);
    m_slider->setPageStep(singleStep * 10);
    m_slider->setValue(positionOf(m_value));
}

void QZKSlider::updateFieldWidth()
{
    // Wide enough for the widest value of the range, so that the slider does not jump.
    const QFontMetrics metrics = m_field->fontMetrics();
    int textWidth = 0;
    for (double limit : {m_minimum, m_maximum}) {
        const QString text = QString::number(limit, 'f', displayDecimals()) + suffix();
        textWidth = std::max(textWidth, metrics.horizontalAdvance(text));
    }
    const QMargins margins = m_field->textMargins() + m_field->contentsMargins();
    m_field->setFixedWidth(textWidth + metrics.averageCharWidth() * 2 + margins.left() + margins.right());
}

void QZKSlider::showValue()
{
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(positionOf(m_value));
    m_field->showValue(m_value);
}

void QZKSlider::commit(double value)
{
    if (!std::isfinite(value))
        return;
    const double newValue = bounded(value);
    const bool changed = newValue != m_value;
    m_value = newValue;
    showValue();
    if (changed)
        emit valueChanged(m_value);
}
