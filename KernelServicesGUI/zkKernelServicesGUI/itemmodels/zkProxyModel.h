#pragma once

#include <QZKSortFilterProxyModel.h>

#include <QHash>
#include <QList>
#include <QModelIndex>
#include <QRegExp>
#include <QSet>
#include <QVector>

#include <deque>

// A sort/filter proxy for the library's trees. A row is shown when its name (the display text of
// column 0) contains a match of the filter expression and, with type filtering on, its type
// (an int under the type role) is one of the accepted types. Everything below a matching row
// stays visible; with recursive matching on, a row is also shown when something below it
// matches. Recursive matching follows changes of the source: a match that appears or vanishes
// deep in the tree shows or hides its ancestors.
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

    void setSourceModel(QAbstractItemModel *model) override;
    // Invalid also for a row whose parent the proxy filters out.
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
    bool acceptsRow(int sourceRow, const QModelIndex &sourceParent) const;
    bool isDirectMatch(const QModelIndex &sourceIndex) const;
    void useCurrentExpression() const;
    void forgetMatches() const;
    void expireExpression() const;
    bool isFilteredOut(const QModelIndex &sourceParent) const;
    void remapAfterMove();
    void refilterBelowChangedRows(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);
    void refilterBelow(const QModelIndex &sourceIndex);

    // The rows still to search below, each standing for its row and parent.
    mutable std::deque<QModelIndex> m_searchQueue;
    // While the base class asks for rows: the filter expression and what is known about the
    // source rows. The base class takes every new filter expression into account by asking for
    // the top-level rows first, unless it holds no rows at all; the expression is taken again
    // then, and whenever it may have changed since.
    mutable int m_evaluationDepth = 0;
    mutable QRegExp m_nameExpression;
    mutable bool m_expressionCurrent = false;
    // Rows without a direct match in themselves, above or below them.
    mutable QSet<QModelIndex> m_unmatchedSubtrees;
    // Whether a row or one of its ancestors is a direct match.
    mutable QHash<QModelIndex, bool> m_matchAtOrAbove;
    QVector<QMetaObject::Connection> m_sourceConnections;
    QList<int> m_typeFilter;
    int m_typeRole = Qt::UserRole;
    bool m_recursiveMatching = false;
    bool m_typeFilteringEnabled = false;
};
