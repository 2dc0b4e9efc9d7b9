#pragma once

#include "zkItemModel.h"

class zkdVariantSet;
class zkdVariantSetBase;
class zkdVariantSetGroup;

// The item model of the scene's variant sets: the ungrouped sets, then the groups with their
// sets. Its root is a zkVariantSetRootModelItem.
//
// The model follows the kernel: any change of the sets' names, previews or grouping reloads it
// without a reset. Renames and drops made in the model are carried into the kernel as one undo
// step each; the notices they cause are handled once the model's own work is done.
class zkVariantSetTreeModel : public zkItemModel
{
    Q_OBJECT
public:
    explicit zkVariantSetTreeModel(QObject *parent = nullptr);

    // Indexes of this model; null handles for other indexes and for items of the other kind.
    zkdVariantSet getVariantSet(const QModelIndex &index) const;
    zkdVariantSetGroup getVariantSetGroup(const QModelIndex &index) const;
    zkdVariantSetBase getVariantSetBase(const QModelIndex &index) const;
    QString getName(const QModelIndex &index) const;
    // Populates the group on the way to a grouped set.
    QModelIndex sourceModelIndex(const zkdVariantSetBase &base) const;
    static QVariant toQVariant(const zkdVariantSetBase &base);

    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // Only variant sets, and only when every one of them may go onto parent.
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    // Refuses the whole payload, before anything moves, when any part of it could not be dropped.
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

private:
    QVariant itemId(const QModelIndex &index) const;
    void kernelChanged();
    // Runs a model operation with kernel notices held back, then reloads once if any came.
    template <typename Operation>
    bool guarded(Operation operation);

    int m_operationDepth = 0;
    bool m_reloadPending = false;
};
