#pragma once

#include <QList>
#include <QMenu>

#include <functional>

class QAction;

// A checkable menu of types. Toggling a type leaves the menu open, so that several types can be
// picked in one go; Escape or a click outside closes it.
class zkTypeMenu : public QMenu
{
    Q_OBJECT
public:
    explicit zkTypeMenu(QWidget *parent = nullptr);
    ~zkTypeMenu() override;

    // A new type starts checked.
    void addType(const QString &name, int type);
    void clearTypes();

    // The checked types, in menu order.
    QList<int> getSelection() const;
    void setSelection(const QList<int> &types);
    void selectAll();
    void selectNone();
    void selectOthers();

    void setVisible(bool visible) override;

signals:
    // Emitted once per change of the selection, never when nothing changed.
    void selectionChanged(const QList<int> &selection);

private:
    void handleMenuTrigger(QAction *action);
    void tryHide();
    void emitSelectionChange();
    int getType(const QAction &action) const;
    // Sets every type action to checked(type, wasChecked); true when one of them changed.
    bool applyChecked(const std::function<bool(int type, bool wasChecked)> &checked);

    QList<QAction *> m_typeActions;
    bool m_keepOpen = false;
};
