#pragma once

#include "zkBaseControl.h"

#include <zkControlOptionRecords.h>

class QPlainTextEdit;

// Edits a string in a text field of a fixed height, writing at every change. A value is shown
// only when it differs from the text, so the echo of a write does not disturb typing.
class zkQStringMultilineControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkQStringMultilineControlOptions;

    zkQStringMultilineControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                              Options *options);

    void updateControl() override;

    QPlainTextEdit *getTextEdit() const { return m_textEdit; }

private:
    QPlainTextEdit *m_textEdit;
};
