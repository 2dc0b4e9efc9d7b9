#include "zkNodeBasedSelectionModel.h"

#include "zkItemModel.h"
#include "zkModelItem.h"

#include <QAbstractProxyModel>
#include <QSet>

zkNodeBasedSelectionModel::zkNodeBasedSelectionModel(QAbstractItemModel *model, QObject *parent)
    : zkAbstractSelectionModel(model, parent)
{
}

zkdNode zkNodeBasedSelectionModel::getSelectedNode() const
{
    const QModelIndexList rows = selectedSourceRows();
    return rows.isEmpty() ? zkdNode() : getNode(rows.first());
}

QList<zkdNode> zkNodeBasedSelectionModel::getAllSelectedNodes() const
{
    QList<zkdNode> nodes;
    const QModelIndexList rows = selectedSourceRows();
    for (const QModelIndex &index : rows)
        nodes.append(getNode(index));
    return nodes;
}

QList<zkdNode> zkNodeBasedSelectionModel::getSelectedRootNodes() const
{
    QList<zkdNode> nodes;
    const zkItemModel *treeModel = getTreeModel();
    if (!treeModel)
        return nodes;
    const QModelIndexList selected = sourceModelSelection().indexes();
    const QSet<QModelIndex> selectedSet(selected.cbegin(), selected.cend());
    for (const QModelIndex &index : selected) {
        if (index.column() != 0)
            continue;
        bool belowSelected = false;
        for (QModelIndex ancestor = treeModel->parent(index); ancestor.isValid() && !belowSelected;
             ancestor = treeModel->parent(ancestor))
            belowSelected = selectedSet.contains(ancestor);
        if (belowSelected)
            continue;
        const zkdNode node = getNode(index);
        if (!node.isNull())
            nodes.append(node);
    }
    return nodes;
}

void zkNodeBasedSelectionModel::selectNodes(const QList<zkdNode> &nodes)
{
    QItemSelection selection;
    for (const zkdNode &node : nodes) {
        if (node.isNull())
            continue;
        const QModelIndex index = selectionModelIndex(node);
        if (index.isValid())
            selection.select(index, index);
    }
    select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

zkdNode zkNodeBasedSelectionModel::getNode(const QModelIndex &sourceIndex) const
{
    const zkItemModel *treeModel = getTreeModel();
    zkModelItem *item = nullptr;
    if (!treeModel || !treeModel->tryGetItem(sourceIndex, item))
        return zkdNode();
    return item->getId().value<zkdNode>();
}

QModelIndex zkNodeBasedSelectionModel::selectionModelIndex(const zkdNode &node)
{
    const QVariant id = QVariant::fromValue(node);
    if (auto *proxy = qobject_cast<QAbstractProxyModel *>(model())) {
        auto *treeModel = qobject_cast<zkItemModel *>(proxy->sourceModel());
        return treeModel ? proxy->mapFromSource(treeModel->indexFromId(id, 0)) : QModelIndex();
    }
    if (auto *treeModel = qobject_cast<zkItemModel *>(model()))
        return treeModel->indexFromId(id, 0);
    return QModelIndex();
}

QModelIndexList zkNodeBasedSelectionModel::selectedSourceRows() const
{
    QModelIndexList rows;
    const QModelIndexList indexes = sourceModelSelection().indexes();
    for (const QModelIndex &index : indexes) {
        if (index.column() == 0)
            rows.append(index);
    }
    return rows;
}
