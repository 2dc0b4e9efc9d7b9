#pragma once

#include "zkBaseControl.h"

#include <zkControlOptionRecords.h>

class QDialog;
class QLineEdit;
class QPushButton;
class QSourceEditor;

// Edits the media source of a web-media object: a web address or local HTML file typed into
// the line edit or chosen in a file dialog, or HTML code written in a separate source editor.
class zkUrlControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkUrlControlOptions;

    zkUrlControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;
    // Shows the value in the line edit and the source editor.
    void updateText(const QString &text);
    // The value written for typed text: an address with a scheme, fully encoded; a path with
    // file-name variables, or text that is no URL, as typed.
    static QString convertToUrl(const QString &text);

    QLineEdit *getLineEdit() const { return m_lineEdit; }
    QPushButton *getOpenFileButton() const { return m_openFileButton; }
    QPushButton *getEditButton() const { return m_editButton; }
    QPushButton *getReloadButton() const { return m_reloadButton; }
    QPushButton *getClearButton() const { return m_clearButton; }
    QDialog *getHtmlEditor() const { return m_htmlEditor; }
    QSourceEditor *getSourceEditor() const { return m_sourceEditor; }

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    QPushButton *createButton(const QString &icon, const QString &toolTip);
    void commit();
    void openFile();
    void editHtml();
    void reload();
    void clear();

    QLineEdit *m_lineEdit;
    QPushButton *m_openFileButton;
    QPushButton *m_editButton;
    QPushButton *m_reloadButton;
    QPushButton *m_clearButton;
    QDialog *m_htmlEditor;
    QSourceEditor *m_sourceEditor;
};
