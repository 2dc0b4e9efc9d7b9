#include "zkQStringMultilineControl.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QSignalBlocker>

zkQStringMultilineControl::zkQStringMultilineControl(zkPropertyEditorWidget *editorWidget,
                                                     const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_textEdit(new QPlainTextEdit(this))
{
    m_textEdit->setFixedHeight(options->height);
    setEditor(m_textEdit);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_textEdit);
    connect(m_textEdit, &QPlainTextEdit::textChanged, this,
            [this] { setPropertyValue(m_textEdit->toPlainText(), true); });
}

void zkQStringMultilineControl::updateControl()
{
    zkBaseControl::updateControl();
    const QString text = getPropertyValue().toString();
    if (text == m_textEdit->toPlainText())
        return;
    const QSignalBlocker blocker(m_textEdit);
    m_textEdit->setPlainText(text);
}
