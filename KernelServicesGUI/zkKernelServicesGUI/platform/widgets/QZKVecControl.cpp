#include "QZKVecControl.h"

#include <QZKPrecisionWheel.h>
#include <QZKWheelPrec.h>
#include <zkUIStyle.h>

#include <QSignalBlocker>

#include <cmath>

namespace {
const char *const componentNames[] = {"X", "Y", "Z", "W"};
}

QZKVecControl::QZKVecControl(int componentCount, QWidget *parent)
    : QZKVectorEditor(Horizontal, parent)
{
    for (int i = 0; i < componentCount; ++i) {
        auto *wheel = new QZKWheelPrec;
        wheel->setDisplayDecimals(m_decimals);
        addComponent(wheel, QLatin1String(componentNames[i]));
        connect(wheel, &QZKWheelPrec::valueChanged, this, [this, i] { onWheelValueChanged(i); });
    }
    m_values.fill(0.0, componentCount);
}

QZKWheelPrec *QZKVecControl::wheel(int component) const
{
    return static_cast<QZKWheelPrec *>(componentEditor(component));
}

double QZKVecControl::value(int component) const
{
    return m_values.value(component);
}

// QZKWheelPrec has no switch for its thumb wheel, so it is shown and hidden directly.
void QZKVecControl::setWheelVisible(bool visible)
{
    m_wheelVisible = visible;
    for (int i = 0; i < componentCount(); ++i) {
        const auto thumbWheels = wheel(i)->findChildren<QZKPrecisionWheel *>();
        for (QZKPrecisionWheel *thumbWheel : thumbWheels)
            thumbWheel->setVisible(visible);
    }
}

void QZKVecControl::setSingleStep(double step)
{
    for (int i = 0; i < componentCount(); ++i)
        wheel(i)->setSingleStep(step);
}

void QZKVecControl::setDecimals(int decimals)
{
    if (decimals < 0)
        return;
    m_decimals = decimals;
    for (int i = 0; i < componentCount(); ++i) {
        if (!m_hasDisplayDecimals)
            wheel(i)->setDisplayDecimals(decimals);
        takeWheelValue(i);
    }
}

void QZKVecControl::setDisplayDecimals(int decimals)
{
    if (decimals < 0)
        return;
    m_hasDisplayDecimals = true;
    for (int i = 0; i < componentCount(); ++i)
        wheel(i)->setDisplayDecimals(decimals);
}

void QZKVecControl::setSuffix(const QString &suffix)
{
    for (int i = 0; i < componentCount(); ++i)
        wheel(i)->setSuffix(suffix);
}

void QZKVecControl::setMultiSelectHighlight(int component, bool on)
{
    if (component < 0 || component >= componentCount())
        return;
    QZKWheelPrec *w = wheel(component);
    zkUIStyle::setMultiSelectHighlight(w, on);
    w->propagateMultiselectProperty();
}

void QZKVecControl::setValues(std::initializer_list<double> values)
{
    QVector<int> changed;
    int component = 0;
    for (double value : values) {
        QZKWheelPrec *w = wheel(component);
        {
            const QSignalBlocker blocker(w);
            w->setValue(value);
        }
        if (takeWheelValue(component))
            changed << component;
        ++component;
    }
    for (int c : qAsConst(changed))
        emitChanged(c, m_values[c]);
}

void QZKVecControl::onWheelValueChanged(int component)
{
    if (takeWheelValue(component))
        emitChanged(component, m_values[component]);
}

bool QZKVecControl::takeWheelValue(int component)
{
    QZKWheelPrec *w = wheel(component);
    const double value = rounded(w->value());
    if (value != w->value()) {
        const QSignalBlocker blocker(w);
        w->setValue(value);
    }
    const bool changed = value != m_values[component];
    m_values[component] = value;
    return changed;
}

void QZKVecControl::emitChanged(int component, double value)
{
    switch (component) {
    case 0: Q_EMIT changedX(value); break;
    case 1: Q_EMIT changedY(value); break;
    case 2: Q_EMIT changedZ(value); break;
    case 3: Q_EMIT changedW(value); break;
    }
}

double QZKVecControl::rounded(double value) const
{
    const double scale = std::pow(10.0, m_decimals);
    return std::round(value * scale) / scale;
}
