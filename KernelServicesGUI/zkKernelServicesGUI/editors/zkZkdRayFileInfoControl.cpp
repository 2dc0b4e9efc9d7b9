#include "zkZkdRayFileInfoControl.h"

#include <zkdObjectManager.h>
#include <zkdRayFileInfo.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>

zkZkdRayFileInfoControl::zkZkdRayFileInfoControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName,
                                                 Options *options)
    : zkBaseControl(editor, propertyName, options)
    , m_infoBox(new QGroupBox(tr("Ray File Info"), this))
{
    const QStringList captions = {tr("Luminous Power:"), tr("Number of Rays:"), tr("Global Scaling Factor:"),
                                  tr("Spectral Information:")};
    auto *grid = new QGridLayout(m_infoBox);
    grid->setContentsMargins(9, 9, 9, 9);
    grid->setSpacing(6);
    for (int row = 0; row < InfoCount; ++row) {
        auto *caption = new QLabel(captions.at(row), m_infoBox);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(caption, row, 0, 1, 2);
        m_values[row] = new QLabel(QStringLiteral("0"), m_infoBox);
        m_values[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_values[row], row, 2);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_infoBox);
}

zkZkdRayFileInfoControl::~zkZkdRayFileInfoControl() = default;

void zkZkdRayFileInfoControl::updateControl()
{
    zkBaseControl::updateControl();
    const auto info = zkd_cast<zkdRayFileInfo>(zkdObjectManager::fromVariant(getPropertyValue()));
    m_values[LuminousPower]->setNum(double(info.getLuminousPower()));
    m_values[NumberOfRays]->setNum(info.getNumberOfRays());
    m_values[ScalingFactor]->setNum(double(info.getScalingFactor()));
    m_values[SpectralInformation]->setText(info.getSpectralInformationString());
}

QList<QWidget *> zkZkdRayFileInfoControl::getFocusWidgets() const
{
    // Nothing here takes input.
    return {};
}
