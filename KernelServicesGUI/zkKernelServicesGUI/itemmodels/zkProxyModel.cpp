#include "zkProxyModel.h"

#include <QRegExp>
#include <QVarLengthArray>

namespace {

bool containsMatch(const QString &text, const QRegExp &expression)
{
    return expression.isEmpty() || expression.indexIn(text) != -1;
}

} // namespace

zkProxyModel::zkProxyModel(QObject *parent)
    : QZKSortFilterProxyModel(parent)
{
}

void zkProxyModel::setRecursiveMatchingEnabled(bool on)
{
    if (on == m_recursiveMatching)
        return;
    m_recursiveMatching = on;
    invalidateFilter();
}

void zkProxyModel::setTypeFilteringEnabled(bool on)
{
    if (on == m_typeFilteringEnabled)
        return;
    m_typeFilteringEnabled = on;
    invalidateFilter();
}

void zkProxyModel::setTypeFilter(const QList<int> &types)
{
    if (types == m_typeFilter)
        return;
    m_typeFilter = types;
    if (m_typeFilteringEnabled)
        invalidateFilter();
}

void zkProxyModel::setTypeRole(int role)
{
    m_typeRole = role;
}

QModelIndex zkProxyModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    const QModelIndex sourceParent = sourceIndex.parent();
    return isShown(sourceParent) ? QZKSortFilterProxyModel::mapFromSource(sourceIndex) : QModelIndex();
}

bool zkProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    // The cheap test first: most rows that show, show by their own name.
    const QRegExp expression = filterRegExp();
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (isDirectMatch(index, expression) || hasMatchingParent(sourceParent, expression))
        return true;
    return m_recursiveMatching && hasMatchingChild(index, expression);
}

bool zkProxyModel::isDirectMatch(int sourceRow, const QModelIndex &sourceParent) const
{
    return isDirectMatch(sourceModel()->index(sourceRow, 0, sourceParent), filterRegExp());
}

bool zkProxyModel::hasMatchingParent(const QModelIndex &index) const
{
    return hasMatchingParent(index, filterRegExp());
}

bool zkProxyModel::hasMatchingChild(int sourceRow, const QModelIndex &sourceParent) const
{
    return hasMatchingChild(sourceModel()->index(sourceRow, 0, sourceParent), filterRegExp());
}

bool zkProxyModel::isNameMatch(const QVariant &name) const
{
    return containsMatch(name.toString(), filterRegExp());
}

bool zkProxyModel::isTypeMatch(const QVariant &type) const
{
    bool ok = false;
    const int value = type.toInt(&ok);
    return ok && m_typeFilter.contains(value);
}

bool zkProxyModel::isShown(const QModelIndex &sourceIndex) const
{
    // From the top down, so that no row below a hidden one is ever mapped. Views map rows all
    // the time; trees are rarely deeper than the stack buffer.
    QVarLengthArray<QModelIndex, 16> path;
    for (QModelIndex at = sourceIndex; at.isValid(); at = at.parent())
        path.append(at);
    for (auto it = path.crbegin(); it != path.crend(); ++it) {
        if (!QZKSortFilterProxyModel::mapFromSource(*it).isValid())
            return false;
    }
    return true;
}

bool zkProxyModel::isDirectMatch(const QModelIndex &sourceIndex, const QRegExp &expression) const
{
    const QAbstractItemModel *source = sourceModel();
    if (!containsMatch(source->data(sourceIndex, Qt::DisplayRole).toString(), expression))
        return false;
    return !m_typeFilteringEnabled || isTypeMatch(source->data(sourceIndex, m_typeRole));
}

bool zkProxyModel::hasMatchingParent(const QModelIndex &index, const QRegExp &expression) const
{
    for (QModelIndex at = index; at.isValid(); at = at.parent()) {
        if (isDirectMatch(at, expression))
            return true;
    }
    return false;
}

bool zkProxyModel::hasMatchingChild(const QModelIndex &sourceIndex, const QRegExp &expression) const
{
    const QAbstractItemModel *source = sourceModel();
    m_searchQueue.clear();
    m_searchQueue.push_back(sourceIndex);
    while (!m_searchQueue.empty()) {
        const QModelIndex index = m_searchQueue.front();
        m_searchQueue.pop_front();
        if (!index.isValid())
            continue;
        const int count = source->rowCount(index);
        for (int row = 0; row < count; ++row) {
            const QModelIndex child = source->index(row, 0, index);
            if (isDirectMatch(child, expression))
                return true;
            m_searchQueue.push_back(child);
        }
    }
    return false;
}
