#pragma once

#include "zkBaseControl.h"

#include <zkLensFlareTypes.h>

#include <QAbstractItemDelegate>
#include <QList>

#include <functional>
#include <string>

class QAction;
class QFrame;
class QIcon;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QShortcut;
class zkdLensFlareEffect;
class zkdLensFlareElement;
class zkdObject;

// The row of a lens-flare effect's element list: a checkable, renamable list of the elements
// with their type icons and a context menu to create, rename, copy, cut, paste, duplicate and
// delete them, above a nested editor of the selected elements. The clipboard is the light
// service's, so that elements can be pasted into another light; copies also go to the system
// clipboard, from which elements copied in another process are pasted.
class zkLensFlareElementsControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;
    using ElementType = zkLensFlareTypes::ElementType;

    zkLensFlareElementsControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);
    ~zkLensFlareElementsControl() override;

    // The translated name and the icon of an element type.
    static QString toString(ElementType type);
    static QIcon toIcon(ElementType type);
    // The type of an element by its class; an element of no known class counts as a glow.
    static ElementType getElementType(const zkdLensFlareElement &element);

    void updateControl() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    zkPropertyEditorWidget *getNestedEditor() const override { return m_elementEditor; }

    QListWidget *getList() const { return m_list; }
    QFrame *getFrame() const { return m_frame; }
    QMenu *getContextMenu() const { return m_contextMenu; }
    zkPropertyEditorWidget *getElementEditor() const { return m_elementEditor; }
    QAction *getRenameAction() const { return m_renameAction; }
    QAction *getCopyAction() const { return m_copyAction; }
    QAction *getCutAction() const { return m_cutAction; }
    QAction *getPasteAction() const { return m_pasteAction; }
    QAction *getDuplicateAction() const { return m_duplicateAction; }
    QAction *getDeleteAction() const { return m_deleteAction; }

    // The effects among the owning editor's objects.
    QList<zkdLensFlareEffect> getSelectedEffects() const;
    QList<zkdLensFlareElement> getSelectedElements() const;
    // Selects the item of the element alone.
    void setSelectedElement(const zkdLensFlareElement &element);

    void createElement(const QString &name, ElementType type);
    void createGlowElement();
    void createStarElement();
    void createStreakElement();
    void createRingElement();
    void createGhostlineElement();

    // Builds the context menu anew.
    void createContextMenu();

public slots:
    virtual void onSelectionChanged();
    virtual void onItemChanged(QListWidgetItem *item);
    virtual void renameSelectedElement();
    virtual void duplicateSelectedElements();
    virtual void removeSelectedElements();
    virtual void copySelectedElements();
    virtual void cutSelectedElements();
    virtual void pasteElements();
    virtual void onNameChanged(QWidget *editor, QAbstractItemDelegate::EndEditHint hint);
    virtual void onPropertyChanged(const zkdObject &object, const QByteArray &name);

protected:
    QList<QWidget *> getFocusWidgets() const override;

    void createList();
    void createLayout();
    void setConnections();
    void addCreationMenu(QMenu *menu);
    void addStandardMenu(QMenu *menu);
    QAction *createAction(const QString &text, const QString &statusTip, const std::function<void()> &slot,
                          Qt::Key key, Qt::KeyboardModifiers modifiers, const std::string &iconName);
    QAction *createAction(const QString &text, const QString &statusTip, const std::function<void()> &slot,
                          const std::string &iconName);
    void updateActionStateBasedOnSelection();
    void updateList();
    void updateNameProperty(const zkdLensFlareElement &element);
    void openContextMenu(const QPoint &position);

private:
    QListWidgetItem *findItem(const zkdObject &element) const;
    QListWidgetItem *createItem(const zkdLensFlareElement &element);
    // Loads elements copied in another process into the light service's clipboard.
    void takeForeignClipboard();

    QListWidget *m_list = nullptr;
    QAction *m_renameAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_cutAction = nullptr;
    QAction *m_pasteAction = nullptr;
    QAction *m_duplicateAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QFrame *m_frame = nullptr;
    zkPropertyEditorWidget *m_elementEditor = nullptr;
    QMenu *m_contextMenu = nullptr;
    // The shortcuts of the current menu's actions, replaced with the menu.
    QList<QShortcut *> m_shortcuts;
};
