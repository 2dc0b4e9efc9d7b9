#pragma once

#include <zkMaterialId.h>

#include <QItemSelectionModel>
#include <QList>

class QAbstractProxyModel;
class zkItemModel;

// A selection model for views of the material tree, directly or through a proxy: selections
// are read and made as material ids.
class zkMaterialSelectionModel : public QItemSelectionModel
{
    Q_OBJECT
public:
    zkMaterialSelectionModel(QAbstractItemModel *model, QObject *parent);

    // One id per selected cell, in the selection's order; a null id for a cell without an item.
    QList<zkMaterialId> getSelectedIds() const;
    // Replaces the selection with the cells of column 0 of ids, populating the paths to them.
    void setSelectedIds(const QList<zkMaterialId> &ids);

protected:
    const QAbstractProxyModel *getProxyModel() const;
    // The proxy's source (or the model itself) when it is a zkItemModel, else null.
    zkItemModel *getSourceItemModel(const QAbstractProxyModel *proxy) const;
    // The selected indexes in the item model's coordinates.
    QModelIndexList getSelectedIndices(const QAbstractProxyModel *proxy) const;
    // Selects exactly the valid ones of indices, given in the item model's coordinates.
    void setSelectedIndices(const QList<QModelIndex> &indices, const QAbstractProxyModel *proxy);
};
