#include "zkLineEditControl.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>

zkLineEditControl::zkLineEditControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                     zkBaseControlOptions *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_lineEdit(new QLineEdit(this))
{
    setEditor(m_lineEdit);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lineEdit);
    connect(m_lineEdit, &QLineEdit::editingFinished, this, &zkLineEditControl::commit);
}

void zkLineEditControl::commit()
{
    if (!m_lineEdit->isModified())
        return;
    // A write of the value already held is not echoed back, so the flag is cleared here.
    m_lineEdit->setModified(false);
    setPropertyValue(toValue(m_lineEdit->text()), true);
}

void zkLineEditControl::updateControl()
{
    zkBaseControl::updateControl();
    // Setting even the same text repaints the field, and a repaint of many fields costs Qt time
    // that grows with their number.
    const QString text = toText(getPropertyValue());
    if (m_lineEdit->text() == text)
        return;
    const QSignalBlocker blocker(m_lineEdit);
    m_lineEdit->setText(text);
}
