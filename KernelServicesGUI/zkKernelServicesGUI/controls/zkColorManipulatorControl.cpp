#include "zkColorManipulatorControl.h"

#include <QZKColorManipulator.h>
#include <zkPropertyEditorWidget.h>

#include <QHBoxLayout>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// The largest value below 6 that keeps the sector index of a full circle at 5.
constexpr float lastHueSector = 5.999833f;

} // namespace

zkColorManipulatorControl::zkColorManipulatorControl(zkPropertyEditorWidget *editorWidget,
                                                     const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_manipulator(new QZKColorManipulator(this))
    , m_spectrumProperty(options->extraProperties.value(0))
{
    setEditor(m_manipulator);
    setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_manipulator);

    connect(m_manipulator, &QZKColorManipulator::buttonPressed, this, &zkColorManipulatorControl::storeInitialValues);
    connect(m_manipulator, &QZKColorManipulator::sliderPressed, this, &zkColorManipulatorControl::storeInitialValues);
    connect(m_manipulator, &QZKColorManipulator::sliderColorChanged, this, &zkColorManipulatorControl::previewColor);
    connect(m_manipulator, &QZKColorManipulator::dialogColorChanged, this, &zkColorManipulatorControl::previewColor);
    connect(m_manipulator, &QZKColorManipulator::cancelled, this, &zkColorManipulatorControl::restoreInitialValues);
    connect(m_manipulator, &QZKColorManipulator::finalColorSet, this, &zkColorManipulatorControl::setFinalColor);
}

void zkColorManipulatorControl::storeInitialValues()
{
    getEditorWidget()->storeProperty(getPropertyName());
    if (!m_spectrumProperty.isEmpty())
        getEditorWidget()->storeProperty(m_spectrumProperty);
}

void zkColorManipulatorControl::restoreInitialValues()
{
    if (!m_spectrumProperty.isEmpty())
        getEditorWidget()->restoreProperty(m_spectrumProperty);
    getEditorWidget()->restoreProperty(getPropertyName());
}

void zkColorManipulatorControl::previewColor(float r, float g, float b)
{
    if (!m_spectrumProperty.isEmpty())
        getEditorWidget()->setProperty(m_spectrumProperty, QVariant::fromValue(m_manipulator->getSpectrum()), false);
    QVector3D rgb(r, g, b);
    if (options()->gamma) {
        const QVector3D hsv = rgbToHsv(r, g, b);
        rgb = QZKColor(hsv.x(), hsv.y(), hsv.z()).getGammaRGB();
    }
    setPropertyValue(QVariant::fromValue(rgb), false);
}

// The colour is taken by value and the spectrum read first: restoring the initial values
// refreshes the manipulator, which holds both.
void zkColorManipulatorControl::setFinalColor(QZKColor color)
{
    const QZKSpectrum spectrum = m_manipulator->getSpectrum();
    // The final write starts from the state before the preview, so that undo returns to it.
    restoreInitialValues();
    if (m_manipulator->isRejected())
        return;
    const QVector3D rgb =
        options()->gamma ? color.getGammaRGB() : hsvToRgb(color.hue(), color.saturation(), color.value());
    // The rows refresh once the whole colour is written, not from a half-written state.
    m_updatesSuspended = true;
    if (m_spectrumProperty.isEmpty()) {
        setPropertyValue(QVariant::fromValue(rgb), true);
    } else {
        getEditorWidget()->setProperties({{m_spectrumProperty, QVariant::fromValue(spectrum)},
                                          {getPropertyName(), QVariant::fromValue(rgb)}},
                                         true);
    }
    m_updatesSuspended = false;
    updateControl();
}

void zkColorManipulatorControl::updateControl()
{
    if (m_updatesSuspended)
        return;
    zkBaseControl::updateControl();
    const QVector3D rgb = getPropertyValue().value<QVector3D>();
    const QSignalBlocker blocker(m_manipulator);
    if (options()->gamma) {
        QZKColor color;
        color.setGammaRGB(rgb.x(), rgb.y(), rgb.z());
        m_manipulator->setColor(color);
    } else {
        m_manipulator->setColor(rgb.x(), rgb.y(), rgb.z());
    }
    if (!m_spectrumProperty.isEmpty())
        m_manipulator->setSpectrum(getEditorWidget()->getProperty(m_spectrumProperty).value<QZKSpectrum>(), 1.0, false);
    m_manipulator->setPhotometricParameters(options()->photometric);
}

void zkColorManipulatorControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    m_manipulator->propagateMultiselectProperty();
}

QVector3D zkColorManipulatorControl::rgbToHsv(float r, float g, float b)
{
    const float maximum = std::max({r, g, b});
    const float minimum = std::min({r, g, b});
    const float delta = maximum - minimum;
    float h = 0.0f;
    if (delta != 0.0f) {
        if (r == maximum)
            h = 60.0f * (g - b) / delta;
        else if (g == maximum)
            h = 60.0f * (b - r) / delta + 120.0f;
        else
            h = 60.0f * (r - g) / delta + 240.0f;
        if (h < 0.0f)
            h += 360.0f;
    }
    const float s = maximum != 0.0f ? delta / maximum : 0.0f;
    return QVector3D(h, s, maximum);
}

QVector3D zkColorManipulatorControl::hsvToRgb(float h, float s, float v)
{
    float h6 = 0.0f;
    if (h >= 360.0f)
        h6 = lastHueSector;
    else if (h > 0.0f)
        h6 = h / 60.0f;
    const int i = int(h6);
    const float f = h6 - float(i);
    const float p = (1.0f - s) * v;
    const float q = (1.0f - s * f) * v;
    const float t = (1.0f - (1.0f - f) * s) * v;
    switch (i) {
    case 0: return QVector3D(v, t, p);
    case 1: return QVector3D(q, v, p);
    case 2: return QVector3D(p, v, t);
    case 3: return QVector3D(p, q, v);
    case 4: return QVector3D(t, p, v);
    default: return QVector3D(v, p, q);
    }
}
