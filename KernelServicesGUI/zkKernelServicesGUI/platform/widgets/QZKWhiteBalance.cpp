#include "QZKWhiteBalance.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The colour of a black body at kelvin, a curve fit good enough for a hint of warm and cold.
QColor blackBodyColor(double kelvin)
{
    const double t = std::clamp(kelvin, 1000.0, 40000.0) / 100.0;
    double red = 255.0;
    double green = 0.0;
    double blue = 255.0;
    if (t <= 66.0) {
        green = 99.4708025861 * std::log(t) - 161.1195681661;
        blue = t <= 19.0 ? 0.0 : 138.5177312231 * std::log(t - 10.0) - 305.0447927307;
    } else {
        red = 329.698727446 * std::pow(t - 60.0, -0.1332047592);
        green = 288.1221695283 * std::pow(t - 60.0, -0.0755148492);
    }
    const auto channel = [](double v) { return int(std::clamp(v, 0.0, 255.0)); };
    return QColor(channel(red), channel(green), channel(blue));
}

// The strip under the slider showing the colours of the slider's range.
class ColorBar : public QWidget
{
public:
    explicit ColorBar(const QSlider *slider, QWidget *parent)
        : QWidget(parent), m_slider(slider)
    {
        setFixedHeight(4);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        constexpr int stops = 8;
        QLinearGradient gradient(0, 0, width(), 0);
        for (int i = 0; i <= stops; ++i) {
            const double fraction = double(i) / stops;
            const double kelvin = m_slider->minimum() + fraction * (m_slider->maximum() - m_slider->minimum());
            gradient.setColorAt(fraction, blackBodyColor(kelvin));
        }
        QPainter(this).fillRect(rect(), gradient);
    }

private:
    const QSlider *m_slider;
};

} // namespace

QZKWhiteBalance::QZKWhiteBalance(QWidget *parent, const char *name)
    : QWidget(parent)
    , m_epilog(new QLabel(this))
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_colorBar(new ColorBar(m_slider, this))
    , m_spinBox(new QSpinBox(this))
    , m_trailer(new QLabel(this))
{
    if (name)
        setObjectName(QString::fromLatin1(name));

    auto *sliderColumn = new QVBoxLayout;
    sliderColumn->setContentsMargins(0, 0, 0, 0);
    sliderColumn->setSpacing(0);
    sliderColumn->addWidget(m_slider);
    sliderColumn->addWidget(m_colorBar);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_epilog);
    layout->addLayout(sliderColumn, 1);
    layout->addWidget(m_spinBox);
    layout->addWidget(m_trailer);
    m_epilog->hide();
    m_trailer->hide();
    setFocusProxy(m_spinBox);

    m_spinBox->setKeyboardTracking(false);
    setRange(1000, 12000);
    m_slider->setSingleStep(100);
    m_spinBox->setSingleStep(100);
    setValue(6500);

    connect(m_slider, &QSlider::valueChanged, this, &QZKWhiteBalance::commit);
    connect(m_spinBox, qOverload<int>(&QSpinBox::valueChanged), this, &QZKWhiteBalance::commit);
}

void QZKWhiteBalance::setMinimum(int minimum)
{
    setRange(minimum, std::max(minimum, maximum()));
}

int QZKWhiteBalance::minimum() const
{
    return m_spinBox->minimum();
}

void QZKWhiteBalance::setMaximum(int maximum)
{
    setRange(std::min(minimum(), maximum), maximum);
}

int QZKWhiteBalance::maximum() const
{
    return m_spinBox->maximum();
}

void QZKWhiteBalance::setStep(int step)
{
    m_slider->setSingleStep(step);
    m_slider->setPageStep(step * 10);
    m_spinBox->setSingleStep(step);
}

int QZKWhiteBalance::step() const
{
    return m_spinBox->singleStep();
}

void QZKWhiteBalance::setSuffix(const QString &suffix)
{
    m_spinBox->setSuffix(suffix);
}

QString QZKWhiteBalance::suffix() const
{
    return m_spinBox->suffix();
}

void QZKWhiteBalance::setTrailer(const QString &text)
{
    m_trailer->setText(text);
    m_trailer->setVisible(!text.isEmpty());
}

QString QZKWhiteBalance::trailer() const
{
    return m_trailer->text();
}

void QZKWhiteBalance::setEpilog(const QString &text)
{
    m_epilog->setText(text);
    m_epilog->setVisible(!text.isEmpty());
}

QString QZKWhiteBalance::epilog() const
{
    return m_epilog->text();
}

void QZKWhiteBalance::setValue(int value)
{
    commit(value);
}

void QZKWhiteBalance::setRange(int minimum, int maximum)
{
    const QSignalBlocker sliderBlocker(m_slider);
    const QSignalBlocker spinBoxBlocker(m_spinBox);
    m_slider->setRange(minimum, maximum);
    m_spinBox->setRange(minimum, maximum);
    m_value = std::clamp(m_value, minimum, maximum);
    showValue();
    m_colorBar->update();
}

void QZKWhiteBalance::commit(int value)
{
    const int newValue = std::clamp(value, minimum(), maximum());
    const bool changed = newValue != m_value;
    m_value = newValue;
    showValue();
    if (changed)
        emit valueChanged(m_value);
}

void QZKWhiteBalance::showValue()
{
    const QSignalBlocker sliderBlocker(m_slider);
    const QSignalBlocker spinBoxBlocker(m_spinBox);
    m_slider->setValue(m_value);
    m_spinBox->setValue(m_value);
}
