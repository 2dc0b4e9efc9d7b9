#include "zkLabelControl.h"

#include <QHBoxLayout>
#include <QLabel>

zkLabelControl::zkLabelControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                               Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_textLabel(new QLabel(this))
{
    m_textLabel->setWordWrap(options->wordWrap);
    setEditor(m_textLabel);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_textLabel);
}

void zkLabelControl::updateControl()
{
    zkBaseControl::updateControl();
    m_textLabel->setText(getPropertyValue().toString());
}
