#include "QZKWheelPrec.h"

#include "QZKNumberField.h"
#include "QZKPrecisionWheel.h"
#include "zkUIStyle.h"

#include <QHBoxLayout>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <limits>

QZKWheelPrec::QZKWheelPrec(QWidget *parent)
    : QWidget(parent)
    , m_field(new QZKNumberField(this))
    , m_wheel(new QZKPrecisionWheel(this))
    , m_minimum(std::numeric_limits<double>::lowest())
    , m_maximum(std::numeric_limits<double>::max())
{
    setObjectName(QStringLiteral("QZKWheelPrec"));
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_field);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_field, 1);
    layout->addWidget(m_wheel);

    connect(m_field, &QZKNumberField::valueEntered, this, &QZKWheelPrec::commit);
    connect(m_field, &QZKNumberField::relativeEntered, this, &QZKWheelPrec::relativeOperatorApplied);
    connect(m_field, &QZKNumberField::stepRequested, this,
            [this](int steps) { commit(m_value + steps * m_singleStep); });
    connect(m_wheel, &QZKPrecisionWheel::turned, this,
            [this](double steps) { commit(m_value + steps * m_singleStep); });
}

void QZKWheelPrec::setRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
    m_field->showValue(m_value);
}

void QZKWheelPrec::setSingleStep(double step)
{
    m_singleStep = std::abs(step);
}

void QZKWheelPrec::setDisplayDecimals(int decimals)
{
    if (decimals >= 0)
        m_field->setDecimals(decimals);
}

int QZKWheelPrec::displayDecimals() const
{
    return m_field->decimals();
}

void QZKWheelPrec::setSuffix(const QString &suffix)
{
    m_field->setSuffix(suffix);
}

QString QZKWheelPrec::suffix() const
{
    return m_field->suffix();
}

void QZKWheelPrec::setValue(double value)
{
    commit(value);
}

void QZKWheelPrec::setRelativeOperatorHandlingMode(RelativeOperatorHandlingMode mode)
{
    m_field->setRelativeOperatorHandlingMode(mode);
}

RelativeOperatorHandlingMode QZKWheelPrec::relativeOperatorHandlingMode() const
{
    return m_field->relativeOperatorHandlingMode();
}

void QZKWheelPrec::propagateMultiselectProperty()
{
    const QVariant multiselect = property("multiselect");
    zkUIStyle::setControlProperty(m_field, "multiselect", multiselect);
    zkUIStyle::setControlProperty(m_wheel, "multiselect", multiselect);
}

void QZKWheelPrec::commit(double value)
{
    if (!std::isfinite(value))
        return;
    const double newValue = std::clamp(value, m_minimum, m_maximum);
    const bool changed = newValue != m_value;
    m_value = newValue;
    m_field->showValue(m_value);
    if (changed)
        emit valueChanged(m_value);
}
