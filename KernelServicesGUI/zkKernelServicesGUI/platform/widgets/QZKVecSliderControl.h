#pragma once

#include <QZKSlider.h>
#include <QZKVectorEditor.h>
#include <zkVectorComponents.h>

#include <QSignalBlocker>

#include <array>

// The slider form of the vector fields: one QZKSlider per component, one under the other.
// Vector is QVector2D, QVector3D or QVector4D, IntVector the integer vector of the same size
// (for the decimals). Subclasses report the whole vector after each component change.
template <typename Vector, typename IntVector>
class QZKVecSliderControl : public QZKVectorEditor
{
public:
    static constexpr int size = zkVectorSize<Vector>;
    static_assert(size == zkVectorSize<IntVector>, "the decimals vector must match the value vector");

    // Sets all components and then reports the vector once when it changed.
    void setValue(const Vector &value)
    {
        const Vector old = this->value();
        for (int i = 0; i < size; ++i) {
            const QSignalBlocker blocker(slider(i));
            slider(i)->setValue(zkVectorComponent(value, i));
        }
        if (this->value() != old)
            emitChanged();
    }

    Vector value() const
    {
        Vector result;
        for (int i = 0; i < size; ++i)
            zkSetVectorComponent(result, i, slider(i)->value());
        return result;
    }

    void setMinimum(const Vector &minimum)
    {
        for (int i = 0; i < size; ++i)
            m_minimum[i] = zkVectorComponent(minimum, i);
        applyRanges();
    }

    void setMaximum(const Vector &maximum)
    {
        for (int i = 0; i < size; ++i)
            m_maximum[i] = zkVectorComponent(maximum, i);
        applyRanges();
    }

    void setLineStep(const Vector &step)
    {
        for (int i = 0; i < size; ++i)
            slider(i)->setLineStep(zkVectorComponent(step, i));
    }

    void setDecimals(const IntVector &decimals)
    {
        for (int i = 0; i < size; ++i)
            slider(i)->setDecimals(zkVectorComponent(decimals, i));
    }

    void setDisplayDecimals(const IntVector &decimals)
    {
        for (int i = 0; i < size; ++i)
            slider(i)->setDisplayDecimals(zkVectorComponent(decimals, i));
    }

    void setTracking(bool enable)
    {
        for (int i = 0; i < size; ++i)
            slider(i)->setTracking(enable);
    }

protected:
    explicit QZKVecSliderControl(QWidget *parent) : QZKVectorEditor(Vertical, parent)
    {
        const char *const names[] = {"X", "Y", "Z", "W"};
        for (int i = 0; i < size; ++i) {
            auto *slider = new QZKSlider;
            m_minimum[i] = slider->minimum();
            m_maximum[i] = slider->maximum();
            addComponent(slider, QLatin1String(names[i]));
            QObject::connect(slider, &QZKSlider::valueChanged, this, [this] { emitChanged(); });
        }
    }

    virtual void emitChanged() = 0;

private:
    QZKSlider *slider(int component) const { return static_cast<QZKSlider *>(componentEditor(component)); }

    // The slider takes both ends at once, so each end is kept until the other arrives.
    void applyRanges()
    {
        for (int i = 0; i < size; ++i)
            slider(i)->setRange(m_minimum[i], m_maximum[i]);
    }

    std::array<double, size> m_minimum;
    std::array<double, size> m_maximum;
};
