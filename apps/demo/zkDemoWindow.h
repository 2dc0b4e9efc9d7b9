#pragma once

#include <zkdObject.h>

#include <QList>
#include <QMainWindow>
#include <QStringList>

class QLabel;
class zkDemoSceneViews;
class zkCachedPropertyEditorWidget;
class zkDemoUndoActions;
class zkPropertyEditorWidget;

// The demo's main window: the scene's views in a dock beside a property editor on the objects
// selected there, with Undo and Redo of the kernel's undo stack in the Edit menu and
// the tool bar.
class zkDemoWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Shows the scene the kernel holds.
    explicit zkDemoWindow(QWidget *parent = nullptr);

    zkDemoSceneViews *getSceneViews() const { return m_sceneViews; }
    // One editor per object type; the page showing the selection.
    zkCachedPropertyEditorWidget *getCachedEditor() const { return m_editor; }
    zkPropertyEditorWidget *getEditor() const;
    zkDemoUndoActions *getUndoActions() const { return m_undoActions; }

    // The editor's rows in display order, one "<property>\t<caption>" line each.
    QStringList getRowLines() const;

private:
    void createActions();
    void showObjects(const QList<zkdObject> &objects);

    zkDemoSceneViews *m_sceneViews;
    // Created with its panel, which it needs as parent.
    zkCachedPropertyEditorWidget *m_editor = nullptr;
    QLabel *m_caption;
    zkDemoUndoActions *m_undoActions;
};
