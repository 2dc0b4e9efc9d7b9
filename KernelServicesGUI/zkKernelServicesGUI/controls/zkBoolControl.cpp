#include "zkBoolControl.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

zkBoolControl::zkBoolControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_comboBox(new QComboBox(this))
{
    m_comboBox->addItems({tr("Off"), tr("On")});
    setEditor(m_comboBox);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_comboBox);
    connect(m_comboBox, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { setPropertyValue(index != 0, true); });
}

void zkBoolControl::updateControl()
{
    zkBaseControl::updateControl();
    const QSignalBlocker blocker(m_comboBox);
    m_comboBox->setCurrentIndex(getPropertyValue().toBool() ? 1 : 0);
}
