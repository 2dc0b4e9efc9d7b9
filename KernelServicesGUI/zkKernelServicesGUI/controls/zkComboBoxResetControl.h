#pragma once

#include "zkComboBoxControl.h"

class QPushButton;

// A combo box control with a reset button beside it, which toggles the first extra property; the
// edited object reacts to that change.
class zkComboBoxResetControl : public zkComboBoxControl
{
    Q_OBJECT
public:
    using Options = zkComboBoxResetControlOptions;

    zkComboBoxResetControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    QPushButton *getResetButton() const { return m_resetButton; }

private:
    void toggleReset();

    QPushButton *m_resetButton;
    QByteArray m_resetProperty;
};
