#pragma once

#include "zkBaseControl.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include <type_traits>

// A spin box row over a product spin box TSpinBox, configured from a record TOptions that
// combines a range, value texts and the trailing spacer. A value is written through the
// relative path with the set operator, so each object gets it in its own type and an object
// whose property has no type of the spin box's kind keeps its value.
template <typename TSpinBox, typename TOptions>
class zkSpinBoxControl : public zkBaseControl
{
public:
    using Options = TOptions;
    using Value = std::decay_t<decltype(std::declval<TSpinBox>().value())>;

    void updateControl() override
    {
        zkBaseControl::updateControl();
        const QSignalBlocker blocker(m_spinBox);
        m_spinBox->setValue(getPropertyValue().template value<Value>());
    }

    TSpinBox *getSpinBox() const { return m_spinBox; }

protected:
    zkSpinBoxControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
        : zkBaseControl(editorWidget, propertyName, options)
        , m_spinBox(new TSpinBox(this))
    {
        m_spinBox->setRange(options->minimum, options->maximum);
        m_spinBox->setSingleStep(options->singleStep);
        m_spinBox->setPrefix(options->prefix);
        m_spinBox->setSuffix(options->suffix);
        m_spinBox->setSpecialValueText(options->specialValueText);
        setEditor(m_spinBox);

        layoutEditor(m_spinBox, options->spacer);

        connect(m_spinBox, qOverload<Value>(&TSpinBox::valueChanged), this, [this](Value value) {
            if constexpr (std::is_floating_point_v<Value>)
                setFloatingPointProperty(value, RelativeOperatorSet, true);
            else
                setIntegerProperty(value, RelativeOperatorSet, true);
        });
    }

private:
    TSpinBox *m_spinBox;
};
