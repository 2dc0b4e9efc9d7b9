#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

#include <QIcon>

class QLabel;
class QListWidget;
class QPoint;

// A string list shown as a list under a header; the index of the entry the user selects is
// written to the first extra property.
class zkListControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkListControlOptions;

    zkListControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    // The icon of every entry; none when null.
    void setIcon(const QIcon &icon);
    // Deletes the caption when hide is true.
    void hideLabel(bool hide);

    QListWidget *getList() const { return m_list; }
    QLabel *getHeader() const { return m_header; }

private:
    void createList();
    void createHeader(const Options *options);
    void createLayout();
    void setConnections();
    void openContextMenu(const QPoint &position);
    void onSelectItem();
    Options *options() const { return static_cast<Options *>(getOptions()); }

    QListWidget *m_list = nullptr;
    QLabel *m_header = nullptr;
    QIcon m_icon;
    QByteArray m_selectionProperty;
};
