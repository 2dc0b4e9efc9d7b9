#pragma once

#include "zkBaseControl.h"

#include <zkControlOptionRecords.h>

class QLabel;

// Shows a value as text; never writes.
class zkLabelControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkLabelControlOptions;

    zkLabelControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    QLabel *getTextLabel() const { return m_textLabel; }

private:
    QLabel *m_textLabel;
};
