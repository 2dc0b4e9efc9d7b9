#pragma once

#include "zkBaseControl.h"

#include <zkControlOptionRecords.h>

class QZKDirControl;

// Edits a directory path, typed or chosen in a directory dialog.
class zkDirectoryControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkDirectoryControlOptions;

    zkDirectoryControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;
    // Also marks the path field inside the directory widget.
    void setMultiSelectHighlight(bool highlight) override;

    QZKDirControl *getDirControl() const { return m_dirControl; }

protected:
    void createLayout();

private:
    QZKDirControl *m_dirControl;
};
