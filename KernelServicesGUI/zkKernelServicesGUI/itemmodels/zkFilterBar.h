#pragma once

#include <QList>
#include <QWidget>

class QToolButton;
class QZKSearchBox;
class zkTypeMenu;

// A search box with three tool buttons: search depth (recursive filtering), type filtering on or
// off, and the menu of types. The bar only reports the user's choices; its owner connects the
// signals to a zkProxyModel (the name filter to the proxy's filter expression).
//
// Derived bars name the types of their use and fill the menu with addTypesToMenu().
class zkFilterBar : public QWidget
{
    Q_OBJECT
public:
    explicit zkFilterBar(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    QString getNameFilter() const;
    QList<int> getTypeFilter() const;
    bool isTypeFilteringEnabled() const;
    void setRecursiveFilteringEnabled(bool on);
    bool isRecursiveFilteringEnabled() const;

    virtual QString getTypeName(int type) const = 0;
    // Types of one category are grouped between separators in the menu.
    virtual int getCategory(int type) const;

signals:
    void nameFilterChanged(const QString &text);
    void typeFilterChanged(const QList<int> &types);
    void typeFilteringToggled(bool on);
    void recursiveFilteringToggled(bool on);

protected:
    zkTypeMenu *getTypeMenu() const { return m_typeMenu; }
    void addTypesToMenu(const QList<int> &types);

private:
    QToolButton *addToolButton(const QString &objectName, const QIcon &icon, const QString &toolTip);
    void showTypeMenu(bool show);
    void uncheckTypeMenuButton();
    void doTypeFilteringAutoEnable(const QList<int> &selection);
    QPoint getMenuPopupPosition() const;

    zkTypeMenu *m_typeMenu;
    QZKSearchBox *m_searchBox;
    QToolButton *m_recursiveButton;
    QToolButton *m_typeFilterButton;
    QToolButton *m_typeMenuButton;
};
