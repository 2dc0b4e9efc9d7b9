#pragma once

#include <zkBaseControl.h>

#include <QZKVectorEditor.h>
#include <zkVectorComponents.h>

#include <QFrame>
#include <QHBoxLayout>
#include <QSignalBlocker>

// The shared part of the QVector2D, QVector3D and QVector4D controls over the vector fields
// QZKVec2Control, QZKVec3Control and QZKVec4Control: the options every dimension reads, showing
// the value, the mixed-values look of each component, and focus on the components' wheels.
// The concrete controls connect the widget's signals, as 2D writes per component and 3D and 4D
// the whole vector.
template <typename Widget, typename Vector, typename TOptions>
class zkQVectorControl : public zkBaseControl
{
public:
    using Options = TOptions;
    static constexpr int size = zkVectorSize<Vector>;

    zkQVectorControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
        : zkBaseControl(editorWidget, propertyName, options)
        , m_widget(new Widget(this))
    {
        setEditor(m_widget);
        setStep(options->singleStep);
        setSuffix(options->suffix);
        setPrecision(options->decimals, options->displayDecimals);

        layoutEditor(m_widget, options->spacer);
    }

    Widget *getVectorWidget() const { return m_widget; }

    void setStep(const double &step) { m_widget->setSingleStep(step); }
    // A negative value leaves the widget's own setting.
    void setPrecision(int decimals, int displayDecimals)
    {
        m_widget->setDecimals(decimals);
        m_widget->setDisplayDecimals(displayDecimals);
    }
    void setSuffix(const QString &suffix) { m_widget->setSuffix(suffix); }
    void setWheelVisible(bool visible) { m_widget->setWheelVisible(visible); }

    void updateControl() override
    {
        zkBaseControl::updateControl();
        // A value that does not convert is shown as the zero vector.
        const Vector value = getPropertyValue().template value<Vector>();
        const QSignalBlocker blocker(m_widget);
        if constexpr (size == 2)
            m_widget->setXY(value.x(), value.y());
        else if constexpr (size == 3)
            m_widget->setXYZ(value.x(), value.y(), value.z());
        else
            m_widget->setXYZW(value.x(), value.y(), value.z(), value.w());
    }

    void setMultiSelectHighlight(bool highlight) override
    {
        zkBaseControl::setMultiSelectHighlight(highlight);
        for (int i = 0; i < size; ++i)
            m_widget->setMultiSelectHighlight(i, highlight);
    }

protected:
    // The components' precision wheels.
    QList<QWidget *> getFocusWidgets() const override
    {
        return getFocusable(findChildren<QWidget *>(QStringLiteral("QZKWheelPrec")));
    }

    // Components one under the other with their thumb wheels, or side by side without.
    void setArrangement(bool vertical)
    {
        m_widget->setOrientation(vertical ? QZKVectorEditor::Vertical : QZKVectorEditor::Horizontal);
        setWheelVisible(vertical);
    }

    // Writes the widget's vector to every object alike.
    void writeVector()
    {
        Vector value;
        for (int i = 0; i < size; ++i)
            value[i] = float(m_widget->value(i));
        setPropertyValue(QVariant::fromValue(value), true);
    }

private:
    Widget *m_widget;
};
