#pragma once

#include "zkAbstractSelectionModel.h"

#include <QList>

class zkVariantSetTreeModel;
class zkdVariantSet;
class zkdVariantSetBase;
class zkdVariantSetGroup;

// A selection model for views of the variant set tree, directly or through a proxy: selections
// are read and made as variant sets and groups.
class zkVariantSetSelectionModel : public zkAbstractSelectionModel
{
    Q_OBJECT
public:
    zkVariantSetSelectionModel(QAbstractItemModel *model, QObject *parent);

    // One entry per selected row, in the selection's order; null for a row of neither kind.
    QList<zkdVariantSetBase> getSelectedVariantSetItems() const;
    QList<zkdVariantSet> getSelectedVariantSets() const;
    QList<zkdVariantSetGroup> getSelectedVariantSetGroups() const;
    // The last selected group, else the group of the last selected variant set.
    zkdVariantSetGroup getSelectedGroupOrParent() const;
    // Replaces the selection with the rows of items; only for a view through a proxy model.
    void setSelected(const QList<zkdVariantSetBase> &items);

protected:
    const zkVariantSetTreeModel *getVariantSetTreeModel() const;

private:
    // The selected column-0 indexes in the tree model's coordinates.
    QModelIndexList selectedTreeRows() const;
};
