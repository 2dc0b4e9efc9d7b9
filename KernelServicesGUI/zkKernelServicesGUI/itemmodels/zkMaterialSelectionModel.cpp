#include "zkMaterialSelectionModel.h"

#include "zkMaterialTreeModel.h"
#include "zkModelItem.h"

#include <QAbstractProxyModel>

zkMaterialSelectionModel::zkMaterialSelectionModel(QAbstractItemModel *model, QObject *parent)
    : QItemSelectionModel(model, parent)
{
}

QList<zkMaterialId> zkMaterialSelectionModel::getSelectedIds() const
{
    QList<zkMaterialId> ids;
    const QAbstractProxyModel *proxy = getProxyModel();
    const zkItemModel *itemModel = getSourceItemModel(proxy);
    if (!itemModel)
        return ids;
    const auto *treeModel = qobject_cast<const zkMaterialTreeModel *>(itemModel);
    const QModelIndexList indices = getSelectedIndices(proxy);
    for (const QModelIndex &index : indices) {
        zkModelItem *item = treeModel ? treeModel->itemFromIndex(index) : nullptr;
        ids.append(item ? item->getId().value<zkMaterialId>() : zkMaterialId());
    }
    return ids;
}

void zkMaterialSelectionModel::setSelectedIds(const QList<zkMaterialId> &ids)
{
    const QAbstractProxyModel *proxy = getProxyModel();
    zkItemModel *itemModel = getSourceItemModel(proxy);
    if (!itemModel)
        return;
    QList<QModelIndex> indices;
    indices.reserve(ids.size());
    for (const zkMaterialId &id : ids)
        indices.append(itemModel->indexFromId(QVariant::fromValue(id), 0));
    setSelectedIndices(indices, proxy);
}

const QAbstractProxyModel *zkMaterialSelectionModel::getProxyModel() const
{
    return qobject_cast<const QAbstractProxyModel *>(model());
}

zkItemModel *zkMaterialSelectionModel::getSourceItemModel(const QAbstractProxyModel *proxy) const
{
    // Selecting by id populates items, which the selection model's own model may need to do.
    QAbstractItemModel *source = proxy ? proxy->sourceModel() : const_cast<QAbstractItemModel *>(model());
    return qobject_cast<zkItemModel *>(source);
}

QModelIndexList zkMaterialSelectionModel::getSelectedIndices(const QAbstractProxyModel *proxy) const
{
    QModelIndexList indices = selectedIndexes();
    if (proxy) {
        for (QModelIndex &index : indices)
            index = proxy->mapToSource(index);
    }
    return indices;
}

void zkMaterialSelectionModel::setSelectedIndices(const QList<QModelIndex> &indices, const QAbstractProxyModel *proxy)
{
    QItemSelection selection;
    for (const QModelIndex &sourceIndex : indices) {
        const QModelIndex index = proxy ? proxy->mapFromSource(sourceIndex) : sourceIndex;
        if (index.isValid())
            selection.select(index, index);
    }
    select(selection, QItemSelectionModel::ClearAndSelect);
}
