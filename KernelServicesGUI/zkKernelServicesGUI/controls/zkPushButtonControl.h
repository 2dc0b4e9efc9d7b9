#pragma once

#include "zkBaseControl.h"

#include <zkControlOptionRecords.h>

class QPushButton;

// A button captioned with the row's caption, which it takes from the left column. A checkable
// button writes its state at every toggle; any other writes true at every click, for command
// properties.
class zkPushButtonControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkPushButtonControlOptions;

    zkPushButtonControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    QPushButton *getButton() const { return m_button; }

private:
    QPushButton *m_button;
};
