#pragma once

#include "zkMultiselectProperty.h"

#include <zkBaseControl.h>

#include <QZKIntVectorEditor.h>
#include <QZKIntVectorSpinBox.h>

#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include <type_traits>

// The shared part of the controls over the vector widgets that report the whole vector with
// changed(): the integer vector sliders and spinners (QZKIntVector2DSlider ...,
// QZKIntVector2DSpiner ...) and the vector sliders (QZKVec2SliderControl ...). Every change is
// written to every object alike; the options a form reads depend on the widget.
template <typename Widget, typename TOptions>
class zkVectorEditorControl : public zkBaseControl
{
public:
    using Options = TOptions;
    using Vector = std::decay_t<decltype(std::declval<const Widget &>().value())>;

    zkVectorEditorControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
        : zkBaseControl(editorWidget, propertyName, options)
        , m_widget(new Widget(this))
    {
        setEditor(m_widget);
        if (!options->toolTip.isEmpty())
            m_widget->setToolTip(options->toolTip);
        m_widget->setMinimum(options->minimum);
        m_widget->setMaximum(options->maximum);
        if constexpr (zkIsFloatVector<Vector>) {
            m_widget->setLineStep(options->lineStep);
            m_widget->setDecimals(options->decimals);
            m_widget->setDisplayDecimals(options->displayDecimals);
        } else {
            m_widget->setStep(options->step);
        }
        if constexpr (!isSpiner) {
            m_widget->setTracking(options->tracking);
            if constexpr (!zkIsFloatVector<Vector>)
                m_widget->setPageStep(options->pageStep);
        }
        m_widget->setSubLabels(options->subLabels);

        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_widget);
        if constexpr (isSpiner) {
            auto *filler = new QFrame(this);
            filler->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            layout->addWidget(filler);
        }

        QObject::connect(m_widget, &Widget::changed, this,
                         [this](const Vector &value) { setPropertyValue(QVariant::fromValue(value), true); });
    }

    Widget *getVectorWidget() const { return m_widget; }

    void updateControl() override
    {
        zkBaseControl::updateControl();
        // A value that does not convert is shown as the zero vector.
        const Vector value = getPropertyValue().template value<Vector>();
        const QSignalBlocker blocker(m_widget);
        m_widget->setValue(value);
    }

    void setMultiSelectHighlight(bool highlight) override
    {
        zkBaseControl::setMultiSelectHighlight(highlight);
        zkPropagateMultiselectProperty(m_widget);
    }

private:
    // The spinners keep their natural width, and a typed value is written when it is complete.
    static constexpr bool isSpiner = std::is_base_of_v<QZKIntVectorEditor<Vector, QZKIntVectorSpinBox>, Widget>;

    Widget *m_widget;
};
