#include "zkDoubleWheelControl.h"

#include <QZKWheelPrec.h>

#include <QHBoxLayout>
#include <QSignalBlocker>

zkDoubleWheelControl::zkDoubleWheelControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                           Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_wheel(new QZKWheelPrec(this))
{
    setEditor(m_wheel);
    m_wheel->setRange(options->minimum, options->maximum);
    m_wheel->setSingleStep(options->singleStep);
    m_wheel->setSuffix(options->suffix);
    m_wheel->setDisplayDecimals(options->displayDecimals);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_wheel);

    connect(m_wheel, &QZKWheelPrec::valueChanged, this,
            [this](double value) { setFloatingPointProperty(value, RelativeOperatorSet, true); });
    connect(m_wheel, &QZKWheelPrec::relativeOperatorApplied, this,
            [this](RelativeOperator op, double operand) { setFloatingPointProperty(operand, op, true); });
}

void zkDoubleWheelControl::updateControl()
{
    zkBaseControl::updateControl();
    m_wheel->setRelativeOperatorHandlingMode(getRelativeOperatorHandlingMode());
    const QSignalBlocker blocker(m_wheel);
    m_wheel->setValue(getPropertyValue().toFloat());
}

void zkDoubleWheelControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    m_wheel->propagateMultiselectProperty();
}
