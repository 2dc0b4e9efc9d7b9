#include "zkGeographicCoordinateControl.h"

#include <QZKDoubleSpiner.h>
#include <zkUIStyle.h>

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include <cmath>

zkGeographicCoordinateControl::zkGeographicCoordinateControl(zkPropertyEditorWidget *editorWidget,
                                                             const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_spinBox(new QZKDoubleSpiner(this))
    , m_comboBox(new QComboBox(this))
{
    const bool latitude = options->coordinate == Options::Latitude;
    m_spinBox->setRange(0.0, latitude ? 90.0 : 180.0);
    m_spinBox->setDecimals(3);
    m_spinBox->setSingleStep(0.1);
    m_spinBox->setSuffix(QStringLiteral("°"));
    // A typed angle is written once, not digit by digit.
    m_spinBox->setKeyboardTracking(false);
    setEditor(m_spinBox);

    // The second item is the negative hemisphere.
    if (latitude) {
        m_comboBox->addItem(QIcon(), tr("North"), QVariant());
        m_comboBox->addItem(QIcon(), tr("South"), QVariant());
    } else {
        m_comboBox->addItem(QIcon(), tr("East"), QVariant());
        m_comboBox->addItem(QIcon(), tr("West"), QVariant());
    }
    m_comboBox->setFocusPolicy(Qt::StrongFocus);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_spinBox);
    layout->addWidget(m_comboBox);

    connect(m_spinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            [this](double value) { setFloatingPointProperty(value * getSign(), RelativeOperatorSet, true); });
    connect(m_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int) {
        const double magnitude = std::abs(getPropertyValue().toFloat());
        setFloatingPointProperty(magnitude * getSign(), RelativeOperatorSet, true);
    });
}

void zkGeographicCoordinateControl::updateControl()
{
    zkBaseControl::updateControl();
    const double value = getPropertyValue().toFloat();
    const QSignalBlocker spinBoxBlocker(m_spinBox);
    const QSignalBlocker comboBoxBlocker(m_comboBox);
    m_spinBox->setValue(std::abs(value));
    m_comboBox->setCurrentIndex(value < 0.0 ? 1 : 0);
}

void zkGeographicCoordinateControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    zkUIStyle::setMultiSelectHighlight(m_comboBox, highlight);
}

QList<QWidget *> zkGeographicCoordinateControl::getFocusWidgets() const
{
    return getFocusable({m_spinBox, m_comboBox});
}

double zkGeographicCoordinateControl::getSign() const
{
    return m_comboBox->currentIndex() == 1 ? -1.0 : 1.0;
}
