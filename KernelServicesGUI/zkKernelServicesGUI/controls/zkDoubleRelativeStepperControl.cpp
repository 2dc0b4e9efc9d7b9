#include "zkDoubleRelativeStepperControl.h"

#include <QZKDoubleSpiner.h>
#include <zkIconManager.h>
#include <zkPlatform.h>
#include <zkPropertyEditorWidget.h>
#include <zkUIStyle.h>

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

namespace {

// The stepper's parts are laid out for 96 DPI and scaled by the horizontal DPI scale alone, so
// that they keep their proportions.
QSize scaled(int width, int height)
{
    const double scale = zkPlatform::getDpiScaleX();
    return QSize(int(width * scale), int(height * scale));
}

} // namespace

zkDoubleRelativeStepperControl::zkDoubleRelativeStepperControl(zkPropertyEditorWidget *editorWidget,
                                                               const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
{
    const bool hasCommands = options->extraProperties.size() == 2;
    auto *container = new QWidget(this);
    container->setFixedSize(scaled(130, 18));
    m_backButton = createButton(container, QStringLiteral("PlayBack"), options->backToolTip,
                                hasCommands ? options->extraProperties.at(0) : QByteArray());
    m_spinBox = new QZKDoubleSpiner(container);
    m_spinBox->setFixedSize(scaled(52, 18));
    m_spinBox->setRange(options->minimum, options->maximum);
    m_spinBox->setDecimals(options->decimals);
    m_spinBox->setSingleStep(options->step);
    m_spinBox->setToolTip(options->spinBoxToolTip);
    m_forwardButton = createButton(container, QStringLiteral("Play"), options->forwardToolTip,
                                   hasCommands ? options->extraProperties.at(1) : QByteArray());

    auto *row = new QHBoxLayout(container);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_backButton);
    row->addWidget(m_spinBox);
    row->addWidget(m_forwardButton);
    setEditor(container);
    // Keyboard focus goes to the step size, not to the container.
    container->setFocusProxy(m_spinBox);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
    layout->addWidget(new QWidget(this));

    connect(m_spinBox, qOverload<double>(&QZKDoubleSpiner::valueChanged), this,
            [this](double value) { setFloatingPointProperty(value, RelativeOperatorSet, true); });
}

QPushButton *zkDoubleRelativeStepperControl::createButton(QWidget *parent, const QString &icon,
                                                          const QString &toolTip, const QByteArray &command)
{
    auto *button = new QPushButton(zkIconManager::getIcon(icon, QString()), QString(), parent);
    button->setFixedSize(scaled(32, 18));
    button->setToolTip(toolTip);
    if (!command.isEmpty())
        connect(button, &QPushButton::clicked, this,
                [this, command] { getEditorWidget()->setProperty(command, true, true); });
    return button;
}

void zkDoubleRelativeStepperControl::updateControl()
{
    zkBaseControl::updateControl();
    const QSignalBlocker blocker(m_spinBox);
    m_spinBox->setValue(std::abs(getPropertyValue().toFloat()));
}

void zkDoubleRelativeStepperControl::setMultiSelectHighlight(bool highlight)
{
    zkBaseControl::setMultiSelectHighlight(highlight);
    zkUIStyle::setControlProperty(m_spinBox, "multiselect", highlight);
}
