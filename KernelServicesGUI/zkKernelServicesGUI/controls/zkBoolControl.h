#pragma once

#include "zkBaseControl.h"

class QComboBox;

// Edits a truth value as a choice between "Off" and "On".
class zkBoolControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkBoolControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    QComboBox *getComboBox() const { return m_comboBox; }

private:
    QComboBox *m_comboBox;
};
