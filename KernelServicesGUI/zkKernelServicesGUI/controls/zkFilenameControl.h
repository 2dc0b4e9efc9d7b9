#pragma once

#include "zkQStringControl.h"

#include <zkControlOptionRecords.h>

class QPushButton;

// Edits a file path: typed into the line edit, chosen in a file dialog, or written again by
// the reload button so that the object loads its file anew.
class zkFilenameControl : public zkQStringControl
{
    Q_OBJECT
public:
    using Options = zkFilenameControlOptions;

    zkFilenameControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    // The existing directory of the shown path, or an empty string.
    QString getDefaultDirectory() const;

    QPushButton *getBrowseButton() const { return m_browseButton; }
    QPushButton *getReloadButton() const { return m_reloadButton; }

private:
    void browse();
    void reload();
    const Options *getFilenameOptions() const;

    QPushButton *m_browseButton;
    QPushButton *m_reloadButton;
};
