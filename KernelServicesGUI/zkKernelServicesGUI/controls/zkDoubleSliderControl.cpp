#include "zkDoubleSliderControl.h"

#include <QZKSlider.h>
#include <zkPropertyEditorWidget.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

zkDoubleSliderControl::zkDoubleSliderControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                             Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_slider(new QZKSlider(this))
    , m_enableProperty(options->extraProperties.value(0))
{
    setEditor(m_slider);
    if (options->enableCheckBox) {
        m_enableCheckBox = new QCheckBox(getLabelName(), editorWidget->getCurrentControlLayoutWidget());
        m_enableCheckBox->setLayoutDirection(Qt::RightToLeft);
        m_enableCheckBox->setFixedWidth(options->labelWidth);
        m_enableCheckBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        setLabel(m_enableCheckBox);
        m_slider->setControlEnabled(false);
        connect(m_enableCheckBox, &QCheckBox::toggled, this, [this](bool checked) {
            if (!m_enableProperty.isEmpty())
                getEditorWidget()->setProperty(m_enableProperty, checked, true);
            m_slider->setControlEnabled(checked);
        });
    }
    setRange(options->minimum, options->maximum);
    setStep(options->singleStep);
    setSuffix(options->suffix);
    setPrecision(options->decimals, options->displayDecimals);
    m_slider->setTracking(options->tracking);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_slider);

    connect(m_slider, &QZKSlider::sliderPressed, this, [this] { m_pressed = true; });
    connect(m_slider, &QZKSlider::sliderMoved, this, [this](double value) {
        if (this->options()->writeWhileDragging)
            write(value);
    });
    connect(m_slider, &QZKSlider::valueChanged, this, [this](double value) {
        if (!m_pressed)
            write(value);
    });
    // A drag always ends with one write of the final value.
    connect(m_slider, &QZKSlider::sliderReleased, this, [this] {
        m_pressed = false;
        write(m_slider->value());
    });
    connect(m_slider, &QZKSlider::relativeOperatorApplied, this,
            [this](RelativeOperator op, double operand) { setFloatingPointProperty(operand, op, true); });
}

void zkDoubleSliderControl::setRange(const double &minimum, const double &maximum)
{
    m_slider->setRange(minimum, maximum);
}

void zkDoubleSliderControl::setStep(const double &step)
{
    m_slider->setLineStep(step);
}

void zkDoubleSliderControl::setSuffix(const QString &suffix)
{
    m_slider->setSuffix(suffix);
}

void zkDoubleSliderControl::setPrecision(int decimals, int displayDecimals)
{
    if (decimals >= 0)
        m_slider->setDecimals(decimals);
    if (displayDecimals >= 0)
        m_slider->setDisplayDecimals(displayDecimals);
}

void zkDoubleSliderControl::updateControl()
{
    zkBaseControl::updateControl();
    m_slider->setRelativeOperatorHandlingMode(getRelativeOperatorHandlingMode());
    {
        const QSignalBlocker blocker(m_slider);
        m_slider->setValue(getPropertyValue().toDouble());
    }
    if (m_enableProperty.isEmpty())
        return;
    const bool enabled = getEditorWidget()->getProperty(m_enableProperty).toBool();
    if (m_enableCheckBox) {
        const QSignalBlocker blocker(m_enableCheckBox);
        m_enableCheckBox->setChecked(enabled);
    }
    m_slider->setControlEnabled(enabled);
}

void zkDoubleSliderControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    m_slider->propagateMultiselectProperty();
}

void zkDoubleSliderControl::write(double value)
{
    setFloatingPointProperty(value, RelativeOperatorSet, true);
}
