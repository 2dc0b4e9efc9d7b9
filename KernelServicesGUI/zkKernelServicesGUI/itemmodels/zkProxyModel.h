#pragma once

#include <QZKSortFilterProxyModel.h>

#include <QList>
#include <QModelIndex>

#include <deque>

class QRegExp;

// A sort/filter proxy for the library's trees. A row is shown when its name (the display text of
// column 0) contains a match of the filter expression and, with type filtering on, its type
// (an int under the type role) is one of the accepted types. Everything below a matching row
// stays visible; with recursive matching on, a row is also shown when something below it
// matches. The filter is applied when it changes and to the rows that the source reports as
// inserted or changed; a match that appears deep below a hidden row shows that row with the next
// re-filtering.
class zkProxyModel : public QZKSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit zkProxyModel(QObject *parent = nullptr);

    void setRecursiveMatchingEnabled(bool on);
    void setTypeFilteringEnabled(bool on);
    void setTypeFilter(const QList<int> &types);
    // Takes effect with the next re-filtering.
    void setTypeRole(int role);
    int getTypeRole() const { return m_typeRole; }

    // Invalid for a row below a row that the proxy filters out. Qt 5's base class would map such
    // a row as if it were shown, and keep row mappings below the hidden row that source changes
    // there (moves it ignores, removals) leave stale until the hidden row shows again.
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool isDirectMatch(int sourceRow, const QModelIndex &sourceParent) const;
    // True when index or one of its ancestors is a direct match.
    bool hasMatchingParent(const QModelIndex &index) const;
    // Breadth-first over the descendants of the row; populates lazily loaded source items.
    bool hasMatchingChild(int sourceRow, const QModelIndex &sourceParent) const;
    bool isNameMatch(const QVariant &name) const;
    bool isTypeMatch(const QVariant &type) const;

private:
    // True when the source row and all its ancestors are shown.
    bool isShown(const QModelIndex &sourceIndex) const;

    // The same tests with the filter expression taken once for a whole search.
    bool isDirectMatch(const QModelIndex &sourceIndex, const QRegExp &expression) const;
    bool hasMatchingParent(const QModelIndex &index, const QRegExp &expression) const;
    bool hasMatchingChild(const QModelIndex &sourceIndex, const QRegExp &expression) const;

    // The work list of the descendant search, kept to reuse its storage.
    mutable std::deque<QModelIndex> m_searchQueue;
    QList<int> m_typeFilter;
    int m_typeRole = Qt::UserRole;
    bool m_recursiveMatching = false;
    bool m_typeFilteringEnabled = false;
};
