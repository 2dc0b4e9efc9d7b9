#include "zkProxyModel.h"

#include <QMetaObject>
#include <QRegExp>

zkProxyModel::zkProxyModel(QObject *parent)
    : QZKSortFilterProxyModel(parent)
{
    // The base class drops all its rows on these; the next filtering may start anywhere.
    connect(this, &QAbstractItemModel::layoutAboutToBeChanged, this, &zkProxyModel::expireExpression);
    connect(this, &QAbstractItemModel::modelAboutToBeReset, this, &zkProxyModel::expireExpression);
}

void zkProxyModel::setRecursiveMatchingEnabled(bool on)
{
    if (on == m_recursiveMatching)
        return;
    m_recursiveMatching = on;
    expireExpression();
    // The base class's recursion re-examines the ancestors of rows that the source inserts,
    // removes or changes; filterAcceptsRow() already answers for whole subtrees.
    setRecursiveFilteringEnabled(on);
}

void zkProxyModel::setTypeFilteringEnabled(bool on)
{
    if (on == m_typeFilteringEnabled)
        return;
    m_typeFilteringEnabled = on;
    expireExpression();
    invalidateFilter();
}

void zkProxyModel::setTypeFilter(const QList<int> &types)
{
    if (types == m_typeFilter)
        return;
    m_typeFilter = types;
    expireExpression();
    if (m_typeFilteringEnabled)
        invalidateFilter();
}

void zkProxyModel::setTypeRole(int role)
{
    m_typeRole = role;
    expireExpression();
}

void zkProxyModel::setSourceModel(QAbstractItemModel *model)
{
    for (const QMetaObject::Connection &connection : qAsConst(m_sourceConnections))
        disconnect(connection);
    m_sourceConnections.clear();
    expireExpression();
    if (!model) {
        QZKSortFilterProxyModel::setSourceModel(model);
        return;
    }

    // Connected before the base class connects, so that it never filters with stale answers.
    const auto forget = [this] { expireExpression(); };
    m_sourceConnections = {
        connect(model, &QAbstractItemModel::dataChanged, this, forget),
        connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, forget),
        connect(model, &QAbstractItemModel::rowsInserted, this, forget),
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, forget),
        connect(model, &QAbstractItemModel::rowsRemoved, this, forget),
        connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, forget),
        connect(model, &QAbstractItemModel::rowsMoved, this, forget),
        connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, forget),
        connect(model, &QAbstractItemModel::layoutChanged, this, forget),
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, forget),
        connect(model, &QAbstractItemModel::modelReset, this, forget),
    };
    QZKSortFilterProxyModel::setSourceModel(model);
    // After the base class has handled the change itself.
    m_sourceConnections.append(connect(model, &QAbstractItemModel::rowsMoved, this, &zkProxyModel::remapAfterMove));
    m_sourceConnections.append(connect(model, &QAbstractItemModel::dataChanged, this, &zkProxyModel::refilterBelowChangedRows));
}

QModelIndex zkProxyModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    // The base class maps an accepted row below a parent that it filters out as if it were
    // shown, and keeps row mappings below such parents that it does not update. Asking from the
    // top down never maps a row below a filtered-out parent.
    if (isFilteredOut(sourceIndex.parent()))
        return QModelIndex();
    return QZKSortFilterProxyModel::mapFromSource(sourceIndex);
}

bool zkProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    // With recursive matching the base class asks again for every row below a row that did not
    // match; those answers are known. (Every change of the filter makes the base class ask
    // for the top-level rows first, which takes the new expression and forgets such answers.)
    if (m_recursiveMatching && m_unmatchedSubtrees.contains(sourceParent)) {
        const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
        if (sourceModel()->hasChildren(index))
            m_unmatchedSubtrees.insert(index);
        return false;
    }
    if (m_evaluationDepth++ == 0 && (!m_expressionCurrent || !sourceParent.isValid()))
        useCurrentExpression();
    const bool accepted = acceptsRow(sourceRow, sourceParent);
    --m_evaluationDepth;
    return accepted;
}

bool zkProxyModel::acceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (isDirectMatch(index) || hasMatchingParent(sourceParent))
        return true;
    if (!m_recursiveMatching)
        return false;
    if (hasMatchingChild(sourceRow, sourceParent))
        return true;
    // Only rows with children are asked about again.
    if (sourceModel()->hasChildren(index))
        m_unmatchedSubtrees.insert(index);
    return false;
}

bool zkProxyModel::isDirectMatch(int sourceRow, const QModelIndex &sourceParent) const
{
    return isDirectMatch(sourceModel()->index(sourceRow, 0, sourceParent));
}

bool zkProxyModel::isDirectMatch(const QModelIndex &sourceIndex) const
{
    const QAbstractItemModel *source = sourceModel();
    if (!isNameMatch(source->data(sourceIndex, Qt::DisplayRole)))
        return false;
    return !m_typeFilteringEnabled || isTypeMatch(source->data(sourceIndex, m_typeRole));
}

bool zkProxyModel::hasMatchingParent(const QModelIndex &index) const
{
    if (!index.isValid())
        return false;
    if (m_evaluationDepth == 0)
        return isDirectMatch(index) || hasMatchingParent(index.parent());
    const auto known = m_matchAtOrAbove.constFind(index);
    if (known != m_matchAtOrAbove.constEnd())
        return *known;
    const bool matches = isDirectMatch(index) || hasMatchingParent(index.parent());
    m_matchAtOrAbove.insert(index, matches);
    return matches;
}

bool zkProxyModel::hasMatchingChild(int sourceRow, const QModelIndex &sourceParent) const
{
    const QAbstractItemModel *source = sourceModel();
    m_searchQueue.clear();
    m_searchQueue.push_back(source->index(sourceRow, 0, sourceParent));
    while (!m_searchQueue.empty()) {
        const QModelIndex index = m_searchQueue.front();
        m_searchQueue.pop_front();
        if (!index.isValid())
            continue;
        const int count = source->rowCount(index);
        for (int row = 0; row < count; ++row) {
            const QModelIndex child = source->index(row, 0, index);
            if (isDirectMatch(child))
                return true;
            m_searchQueue.push_back(child);
        }
    }
    return false;
}

bool zkProxyModel::isNameMatch(const QVariant &name) const
{
    const QString text = name.toString();
    if (m_evaluationDepth > 0)
        return m_nameExpression.isEmpty() || m_nameExpression.indexIn(text) != -1;
    const QRegExp expression = filterRegExp();
    return expression.isEmpty() || text.indexOf(expression) != -1;
}

bool zkProxyModel::isTypeMatch(const QVariant &type) const
{
    bool ok = false;
    const int value = type.toInt(&ok);
    return ok && m_typeFilter.contains(value);
}

void zkProxyModel::useCurrentExpression() const
{
    m_expressionCurrent = true;
    const QRegExp expression = filterRegExp();
    if (expression == m_nameExpression)
        return;
    m_nameExpression = expression;
    forgetMatches();
}

void zkProxyModel::expireExpression() const
{
    m_expressionCurrent = false;
    forgetMatches();
}

void zkProxyModel::forgetMatches() const
{
    if (!m_unmatchedSubtrees.isEmpty())
        m_unmatchedSubtrees.clear();
    if (!m_matchAtOrAbove.isEmpty())
        m_matchAtOrAbove.clear();
}

bool zkProxyModel::isFilteredOut(const QModelIndex &sourceParent) const
{
    return sourceParent.isValid() && !mapFromSource(sourceParent).isValid();
}

void zkProxyModel::remapAfterMove()
{
    // The base class (Qt 5) ignores a move whose parents it all filters out. When it does handle
    // a move, it maps the rows around every persistent index again, also below parents that it
    // filters out; it never updates such row mappings afterwards. With everything shown there
    // are no such parents; otherwise only a full remap drops those mappings.
    if (filterRegExp().isEmpty() && !m_typeFilteringEnabled)
        return;
    invalidate();
}

void zkProxyModel::refilterBelowChangedRows(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                            const QVector<int> &roles)
{
    // A row that starts or stops matching changes what its descendants show, but the base class
    // filters only the changed rows and their ancestors again.
    const bool filterRole = roles.isEmpty() || roles.contains(Qt::DisplayRole)
                            || (m_typeFilteringEnabled && roles.contains(m_typeRole));
    if (!filterRole || !topLeft.isValid() || (filterRegExp().isEmpty() && !m_typeFilteringEnabled))
        return;
    const QModelIndex parent = topLeft.parent();
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        refilterBelow(sourceModel()->index(row, 0, parent));
}

void zkProxyModel::refilterBelow(const QModelIndex &sourceIndex)
{
    // Only shown rows have mapped children; the others are filtered afresh when they show.
    if (!mapFromSource(sourceIndex).isValid())
        return;
    const QAbstractItemModel *source = sourceModel();
    const int rows = source->rowCount(sourceIndex);
    if (rows == 0)
        return;
    // Maintainability note: the base class has no public way to filter some rows again; its
    // private slot for changed source rows does exactly that (Qt 5).
    QMetaObject::invokeMethod(this, "_q_sourceDataChanged", Qt::DirectConnection,
                              Q_ARG(QModelIndex, source->index(0, 0, sourceIndex)),
                              Q_ARG(QModelIndex, source->index(rows - 1, source->columnCount(sourceIndex) - 1, sourceIndex)),
                              Q_ARG(QVector<int>, QVector<int>{Qt::DisplayRole}));
    for (int row = 0; row < rows; ++row)
        refilterBelow(source->index(row, 0, sourceIndex));
}
