#include "zkQFontControl.h"

#include <QFontComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

zkQFontControl::zkQFontControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                               Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_fontComboBox(new QFontComboBox(this))
{
    setEditor(m_fontComboBox);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_fontComboBox);
    connect(m_fontComboBox, &QFontComboBox::textActivated, this,
            [this](const QString &family) { setPropertyValue(family, true); });
}

void zkQFontControl::updateControl()
{
    zkBaseControl::updateControl();
    const QSignalBlocker blocker(m_fontComboBox);
    m_fontComboBox->setCurrentText(getPropertyValue().toString());
}
