#include "zkIntegerSliderControl.h"

#include "zkMultiselectProperty.h"

#include <QZKIntegerSlider.h>

#include <QHBoxLayout>
#include <QSignalBlocker>

zkIntegerSliderControl::zkIntegerSliderControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                               Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_slider(new QZKIntegerSlider(this))
{
    setEditor(m_slider);
    setRange(options);
    setHardRange(options);
    setSteps(options);
    m_slider->setPrefix(options->prefix);
    m_slider->setSpecialSuffix(options->specialSuffix);
    setSuffix(options);
    m_slider->setTracking(options->tracking);
    createLayout();

    connect(m_slider, &QZKIntegerSlider::valueChanged, this,
            [this](int value) { setIntegerProperty(value, RelativeOperatorSet, true); });
}

void zkIntegerSliderControl::setRange(Options *options)
{
    m_slider->setMinimum(options->minimum);
    m_slider->setMaximum(options->maximum);
}

void zkIntegerSliderControl::setHardRange(Options *options)
{
    if (options->hardMinimum < 0 || options->hardMaximum < 0 || options->hardMinimum > options->hardMaximum)
        return;
    m_slider->setHardMinimum(options->hardMinimum);
    m_slider->setHardMaximum(options->hardMaximum);
}

void zkIntegerSliderControl::setSteps(Options *options)
{
    m_slider->setStep(options->singleStep);
    m_slider->setPageStep(options->pageStep);
}

void zkIntegerSliderControl::setSuffix(Options *options)
{
    if (!options->suffix.isEmpty())
        m_slider->setSuffix(options->suffix);
}

void zkIntegerSliderControl::createLayout()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_slider);
}

void zkIntegerSliderControl::updateControl()
{
    zkBaseControl::updateControl();
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(getPropertyValue().toInt());
}

void zkIntegerSliderControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    zkPropagateMultiselectProperty(m_slider);
}
