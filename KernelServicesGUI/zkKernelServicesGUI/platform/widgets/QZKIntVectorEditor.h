#pragma once

#include <QZKVectorEditor.h>
#include <zkVectorComponents.h>

#include <QSignalBlocker>

// The integer vector widgets: one Editor per component of Vector (QZKIntVector2D, 3D or 4D).
// Editor is QZKIntegerSlider or QZKIntVectorSpinBox, which take the same settings.
// Subclasses report the whole vector after each component change.
template <typename Vector, typename Editor>
class QZKIntVectorEditor : public QZKVectorEditor
{
public:
    static constexpr int size = zkVectorSize<Vector>;

    // Sets all components and then reports the vector once when it changed.
    void setValue(const Vector &value)
    {
        const Vector old = this->value();
        for (int i = 0; i < size; ++i) {
            const QSignalBlocker blocker(editor(i));
            editor(i)->setValue(zkVectorComponent(value, i));
        }
        if (this->value() != old)
            emitChanged();
    }

    Vector value() const
    {
        Vector result;
        for (int i = 0; i < size; ++i)
            zkSetVectorComponent(result, i, editor(i)->value());
        return result;
    }

    void setMinimum(const Vector &minimum) { apply(&Editor::setMinimum, minimum); }
    void setMaximum(const Vector &maximum) { apply(&Editor::setMaximum, maximum); }
    void setStep(const Vector &step) { apply(&Editor::setStep, step); }
    void setPageStep(const Vector &step) { apply(&Editor::setPageStep, step); }

    void setTracking(bool enable)
    {
        for (int i = 0; i < size; ++i)
            editor(i)->setTracking(enable);
    }

protected:
    QZKIntVectorEditor(Orientation orientation, QWidget *parent) : QZKVectorEditor(orientation, parent)
    {
        const char *const names[] = {"X", "Y", "Z", "W"};
        for (int i = 0; i < size; ++i) {
            auto *editor = new Editor;
            addComponent(editor, QLatin1String(names[i]));
            QObject::connect(editor, qOverload<int>(&Editor::valueChanged), this, [this] { emitChanged(); });
        }
    }

    virtual void emitChanged() = 0;

private:
    Editor *editor(int component) const { return static_cast<Editor *>(componentEditor(component)); }

    // Settings never report: a value that a new range clamps is taken silently, as the
    // sliders do.
    void apply(void (Editor::*setter)(int), const Vector &vector)
    {
        for (int i = 0; i < size; ++i) {
            const QSignalBlocker blocker(editor(i));
            (editor(i)->*setter)(zkVectorComponent(vector, i));
        }
    }
};
