#pragma once

#include "zkBaseControl.h"

#include <zkdLensFlareGhost.h>
#include <zkdLensFlareGhostLine.h>

#include <QList>

#include <functional>
#include <string>

class QAction;
class QMenu;
class zkGhostLineEditor;
class zkLensFlareGhostLineScrollArea;
class zkdLensFlareElement;
class zkdObject;

// The row of a ghost line's ghosts: a zoomable strip with a marker per ghost above a nested
// editor of the selected ghosts. It shows the ghost line that is selected alone in the light
// service's lens-flare element selection and hides itself otherwise; the ghost clipboard is the
// light service's, so that ghosts can be pasted into another line.
class zkLensFlareGhostLineControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkLensFlareGhostLineControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);
    ~zkLensFlareGhostLineControl() override;

    void updateControl() override;
    zkPropertyEditorWidget *getNestedEditor() const override { return m_ghostEditor; }

    const zkdLensFlareGhostLine &getGhostLine() const { return m_ghostLine; }
    zkLensFlareGhostLineScrollArea *getScrollArea() const { return m_scrollArea; }
    zkGhostLineEditor *getGhostLineEditor() const { return m_ghostLineEditor; }
    zkPropertyEditorWidget *getGhostEditor() const { return m_ghostEditor; }
    QMenu *getContextMenu() const { return m_contextMenu; }
    QAction *getCopyAction() const { return m_copyAction; }
    QAction *getCutAction() const { return m_cutAction; }
    QAction *getPasteAction() const { return m_pasteAction; }
    QAction *getDuplicateAction() const { return m_duplicateAction; }
    QAction *getDeleteAction() const { return m_deleteAction; }

    // The ghost lines among elements.
    static QList<zkdLensFlareGhostLine> ghostLines(const QList<zkdLensFlareElement> &elements);

    void onElementSelectionChanged(const QList<zkdLensFlareElement> &elements);
    void onEditorGhostSelectionChanged(const QList<zkdLensFlareGhost> &ghosts);
    void onServiceGhostSelectionChanged(const QList<zkdLensFlareGhost> &ghosts);
    void updateGhostLineEditor();
    void updatePropertyEditor(const QList<zkdLensFlareGhost> &ghosts);
    void updateItemInGhostLineEditor(const zkdObject &ghost);

public slots:
    virtual void duplicateSelectedGhosts();
    virtual void removeSelectedGhosts();
    virtual void onGhostsRemoved(const QList<zkdLensFlareGhost> &ghosts);
    virtual void onGhostAdded(double posX);
    virtual void createGhost();
    virtual void onCopy();
    virtual void onCut();
    virtual void onPaste();

protected:
    QList<QWidget *> getFocusWidgets() const override;

    void createContextMenu();
    void createLayout();
    void setConnections();
    QAction *createAction(const QString &text, const QString &statusTip, const std::function<void()> &slot,
                          Qt::Key key, Qt::KeyboardModifiers modifiers, const std::string &iconName);
    QAction *createAction(const QString &text, const QString &statusTip, const std::function<void()> &slot,
                          const std::string &iconName);
    void updateActionStateBasedOnSelection(const QList<zkdLensFlareGhost> &ghosts);

private:
    void onPropertyChanged(const zkdObject &object, const QByteArray &name);

    zkdLensFlareGhostLine m_ghostLine;
    zkLensFlareGhostLineScrollArea *m_scrollArea = nullptr;
    zkGhostLineEditor *m_ghostLineEditor = nullptr;
    zkPropertyEditorWidget *m_ghostEditor = nullptr;
    QMenu *m_contextMenu = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_cutAction = nullptr;
    QAction *m_pasteAction = nullptr;
    QAction *m_duplicateAction = nullptr;
    QAction *m_deleteAction = nullptr;
};
