#include "zkVariantSetSelectionModel.h"

#include "zkVariantSetTreeModel.h"

#include <zkdVariantSet.h>
#include <zkdVariantSetGroup.h>

#include <QAbstractProxyModel>

zkVariantSetSelectionModel::zkVariantSetSelectionModel(QAbstractItemModel *model, QObject *parent)
    : zkAbstractSelectionModel(model, parent)
{
}

QList<zkdVariantSetBase> zkVariantSetSelectionModel::getSelectedVariantSetItems() const
{
    QList<zkdVariantSetBase> items;
    if (const zkVariantSetTreeModel *treeModel = getVariantSetTreeModel()) {
        for (const QModelIndex &index : selectedTreeRows())
            items.append(treeModel->getVariantSetBase(index));
    }
    return items;
}

QList<zkdVariantSet> zkVariantSetSelectionModel::getSelectedVariantSets() const
{
    QList<zkdVariantSet> sets;
    if (const zkVariantSetTreeModel *treeModel = getVariantSetTreeModel()) {
        for (const QModelIndex &index : selectedTreeRows()) {
            const zkdVariantSet set = treeModel->getVariantSet(index);
            if (set.isValid())
                sets.append(set);
        }
    }
    return sets;
}

QList<zkdVariantSetGroup> zkVariantSetSelectionModel::getSelectedVariantSetGroups() const
{
    QList<zkdVariantSetGroup> groups;
    if (const zkVariantSetTreeModel *treeModel = getVariantSetTreeModel()) {
        for (const QModelIndex &index : selectedTreeRows()) {
            const zkdVariantSetGroup group = treeModel->getVariantSetGroup(index);
            if (group.isValid())
                groups.append(group);
        }
    }
    return groups;
}

zkdVariantSetGroup zkVariantSetSelectionModel::getSelectedGroupOrParent() const
{
    const QList<zkdVariantSetGroup> groups = getSelectedVariantSetGroups();
    if (!groups.isEmpty())
        return groups.constLast();
    const QList<zkdVariantSet> sets = getSelectedVariantSets();
    if (!sets.isEmpty())
        return sets.constLast().getParent();
    return zkdVariantSetGroup();
}

void zkVariantSetSelectionModel::setSelected(const QList<zkdVariantSetBase> &items)
{
    const auto *proxy = qobject_cast<const QAbstractProxyModel *>(model());
    const zkVariantSetTreeModel *treeModel = getVariantSetTreeModel();
    if (!proxy || !treeModel)
        return;
    QItemSelection sourceSelection;
    for (const zkdVariantSetBase &item : items) {
        if (item.isNull())
            continue;
        const QModelIndex index = treeModel->sourceModelIndex(item);
        if (index.isValid())
            sourceSelection.select(index, index);
    }
    select(proxy->mapSelectionFromSource(sourceSelection), ClearAndSelect | Rows);
}

const zkVariantSetTreeModel *zkVariantSetSelectionModel::getVariantSetTreeModel() const
{
    return qobject_cast<const zkVariantSetTreeModel *>(sourceModel());
}

QModelIndexList zkVariantSetSelectionModel::selectedTreeRows() const
{
    QModelIndexList rows;
    for (const QModelIndex &index : sourceModelSelection().indexes()) {
        if (index.column() == 0)
            rows.append(index);
    }
    return rows;
}
