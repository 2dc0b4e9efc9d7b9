#include "zkAbstractSelectionModel.h"

#include "zkItemModel.h"

#include <QAbstractProxyModel>

zkAbstractSelectionModel::zkAbstractSelectionModel(QAbstractItemModel *model, QObject *parent)
    : QItemSelectionModel(model, parent)
{
}

QModelIndex zkAbstractSelectionModel::getFirstSelectedIndex() const
{
    const QModelIndexList indexes = selection().indexes();
    return indexes.isEmpty() ? QModelIndex() : indexes.first();
}

QItemSelection zkAbstractSelectionModel::sourceModelSelection() const
{
    if (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(model()))
        return proxy->mapSelectionToSource(selection());
    return selection();
}

const QAbstractItemModel *zkAbstractSelectionModel::sourceModel() const
{
    if (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(model()))
        return proxy->sourceModel();
    return model();
}

const zkItemModel *zkAbstractSelectionModel::getTreeModel() const
{
    return qobject_cast<const zkItemModel *>(sourceModel());
}
