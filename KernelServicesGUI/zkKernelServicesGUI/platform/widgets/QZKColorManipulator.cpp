#include "QZKColorManipulator.h"

#include <zkUIStyle.h>

#include <QColorDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Slider positions per unit of each component: whole degrees of hue, thousandths otherwise.
constexpr int sliderScale[] = {1, 1000, 1000};
constexpr int sliderMaximum[] = {360, 1000, 1000};
const char *const sliderNames[] = {"hueSlider", "saturationSlider", "valueSlider"};
constexpr QSize swatchSize(36, 18);

float component(const QZKColor &color, int index)
{
    switch (index) {
    case 0: return color.hue();
    case 1: return color.saturation();
    default: return color.value();
    }
}

QZKColor withComponent(const QZKColor &color, int index, float value)
{
    return QZKColor(index == 0 ? value : color.hue(), index == 1 ? value : color.saturation(),
                    index == 2 ? value : color.value());
}
}

QZKColorManipulator::QZKColorManipulator(QWidget *parent)
    : QWidget(parent), m_swatch(new QToolButton(this))
{
    m_swatch->setObjectName(QStringLiteral("colorSwatch"));
    m_swatch->setFixedSize(swatchSize);
    m_swatch->setIconSize(swatchSize - QSize(8, 6));
    m_swatch->setToolTip(tr("Choose a colour"));
    connect(m_swatch, &QToolButton::clicked, this, &QZKColorManipulator::openDialog);

    auto *sliders = new QVBoxLayout;
    sliders->setContentsMargins(0, 0, 0, 0);
    sliders->setSpacing(0);
    const QString toolTips[] = {tr("Hue"), tr("Saturation"), tr("Value")};
    for (int i = Hue; i <= Value; ++i) {
        m_sliders[i] = createSlider(Component(i), toolTips[i]);
        sliders->addWidget(m_sliders[i]);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_swatch);
    layout->addLayout(sliders, 1);

    updateSpectrum();
    showColor();
}

QSlider *QZKColorManipulator::createSlider(Component component, const QString &toolTip)
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QLatin1String(sliderNames[component]));
    slider->setRange(0, sliderMaximum[component]);
    slider->setToolTip(toolTip);
    connect(slider, &QSlider::sliderPressed, this, &QZKColorManipulator::onSliderPressed);
    connect(slider, &QSlider::valueChanged, this, [this, component] { onSliderValueChanged(component); });
    connect(slider, &QSlider::sliderReleased, this, &QZKColorManipulator::onSliderReleased);
    return slider;
}

void QZKColorManipulator::setColor(const QZKColor &color)
{
    m_color = color;
    updateSpectrum();
    showColor();
}

void QZKColorManipulator::setColor(float r, float g, float b)
{
    QZKColor color;
    color.setRGB(r, g, b);
    setColor(color);
}

void QZKColorManipulator::setSpectrum(const QZKSpectrum &spectrum, double intensity, bool applyToColor)
{
    m_spectrumIntensity = intensity > 0.0 ? intensity : 1.0;
    if (applyToColor) {
        const QVector3D rgb = spectrum.rgb() * float(m_spectrumIntensity);
        m_color.setRGB(rgb.x(), rgb.y(), rgb.z());
        showColor();
    }
    m_spectrum = spectrum;
}

void QZKColorManipulator::setPhotometricParameters(bool photometric)
{
    m_photometric = photometric;
    m_sliders[Value]->setVisible(!photometric);
}

void QZKColorManipulator::propagateMultiselectProperty()
{
    const QVariant multiselect = property("multiselect");
    const QList<QWidget *> children = findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (!child->isWindow())
            zkUIStyle::setControlProperty(child, "multiselect", multiselect);
    }
}

QColorDialog *QZKColorManipulator::colorDialog() const
{
    return m_dialog && m_dialog->isVisible() ? m_dialog.data() : nullptr;
}

void QZKColorManipulator::beginEdit()
{
    m_rejected = false;
    m_initialColor = m_color;
}

// The dialog is opened window-modal without a local event loop, so the widget (and a test)
// keeps control while it is up; its result arrives through finished().
void QZKColorManipulator::openDialog()
{
    if (colorDialog())
        return;
    beginEdit();
    Q_EMIT buttonPressed();
    if (!m_dialog) {
        m_dialog = new QColorDialog(this);
        m_dialog->setOption(QColorDialog::DontUseNativeDialog);
        connect(m_dialog, &QColorDialog::currentColorChanged, this, &QZKColorManipulator::onDialogColorChanged);
        connect(m_dialog, &QColorDialog::finished, this, &QZKColorManipulator::onDialogFinished);
    }
    {
        const QSignalBlocker blocker(m_dialog);
        m_dialog->setCurrentColor(m_color.getGammaQColor());
    }
    m_dialog->open();
}

void QZKColorManipulator::onDialogColorChanged(const QColor &color)
{
    QZKColor edited;
    edited.setGammaRGB(float(color.redF()), float(color.greenF()), float(color.blueF()));
    changeColor(edited);
    const QVector3D rgb = m_color.getRGB();
    Q_EMIT dialogColorChanged(rgb.x(), rgb.y(), rgb.z());
}

void QZKColorManipulator::onDialogFinished(int result)
{
    if (result == QDialog::Accepted) {
        Q_EMIT finalColorSet(m_color);
        return;
    }
    m_rejected = true;
    changeColor(m_initialColor);
    Q_EMIT cancelled();
}

void QZKColorManipulator::onSliderPressed()
{
    beginEdit();
    Q_EMIT sliderPressed();
}

// Keyboard and wheel steps change a slider that is not held: each is a whole edit of its own.
void QZKColorManipulator::onSliderValueChanged(Component component)
{
    const QSlider *slider = m_sliders[component];
    const bool held = slider->isSliderDown();
    if (!held)
        onSliderPressed();
    changeColor(withComponent(m_color, component, float(slider->value()) / sliderScale[component]));
    const QVector3D rgb = m_color.getRGB();
    Q_EMIT sliderColorChanged(rgb.x(), rgb.y(), rgb.z());
    if (!held)
        onSliderReleased();
}

void QZKColorManipulator::onSliderReleased()
{
    Q_EMIT finalColorSet(m_color);
}

void QZKColorManipulator::changeColor(const QZKColor &color)
{
    m_color = color;
    updateSpectrum();
    showColor();
}

void QZKColorManipulator::updateSpectrum()
{
    m_spectrum.setRGB(m_color.getRGB() / float(m_spectrumIntensity));
}

void QZKColorManipulator::showColor()
{
    QPixmap swatch(m_swatch->iconSize());
    swatch.fill(m_color.getGammaQColor());
    {
        QPainter painter(&swatch);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    }
    m_swatch->setIcon(QIcon(swatch));

    for (int i = Hue; i <= Value; ++i) {
        const QSignalBlocker blocker(m_sliders[i]);
        m_sliders[i]->setValue(qRound(component(m_color, i) * sliderScale[i]));
    }
}
