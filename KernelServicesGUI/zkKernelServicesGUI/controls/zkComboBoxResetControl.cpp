#include "zkComboBoxResetControl.h"

#include <zkIconManager.h>
#include <zkPlatform.h>
#include <zkPropertyEditorWidget.h>

#include <QHBoxLayout>
#include <QPushButton>

zkComboBoxResetControl::zkComboBoxResetControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                               Options *options)
    : zkComboBoxControl(editorWidget, propertyName, options)
    , m_resetButton(new QPushButton(this))
    , m_resetProperty(options->extraProperties.value(0))
{
    m_resetButton->setIcon(zkIconManager::getIcon(QStringLiteral("Reset"), QString()));
    m_resetButton->setFixedSize(qRound(20 * zkPlatform::getDpiScaleX()), qRound(20 * zkPlatform::getDpiScaleY()));
    m_resetButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_resetButton->setToolTip(options->resetToolTip);
    getRowLayout()->insertWidget(1, m_resetButton);
    connect(m_resetButton, &QPushButton::clicked, this, &zkComboBoxResetControl::toggleReset);
}

void zkComboBoxResetControl::toggleReset()
{
    if (m_resetProperty.isEmpty())
        return;
    const bool reset = getEditorWidget()->getProperty(m_resetProperty).toBool();
    getEditorWidget()->setProperty(m_resetProperty, !reset, true);
}
