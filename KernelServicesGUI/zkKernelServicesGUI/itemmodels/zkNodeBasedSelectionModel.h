#pragma once

#include "zkAbstractSelectionModel.h"

#include <zkdNode.h>

#include <QList>

// A selection model for views whose item model holds scene nodes: items whose getId() is a
// zkdNode. Selections are read and made as nodes.
class zkNodeBasedSelectionModel : public zkAbstractSelectionModel
{
    Q_OBJECT
public:
    zkNodeBasedSelectionModel(QAbstractItemModel *model, QObject *parent);

    // The node of the first selected row; null when nothing is selected.
    zkdNode getSelectedNode() const;
    // One node per selected row, in the selection's order.
    QList<zkdNode> getAllSelectedNodes() const;
    // The selected nodes none of whose ancestors is selected.
    QList<zkdNode> getSelectedRootNodes() const;
    // Replaces the selection with the rows of nodes, populating the items on their paths. Nodes
    // without a row are left out.
    void selectNodes(const QList<zkdNode> &nodes);

protected:
    zkdNode getNode(const QModelIndex &sourceIndex) const;
    // The row of node in this selection model's own model.
    QModelIndex selectionModelIndex(const zkdNode &node);

private:
    // Selected source indexes of column 0, in the selection's order.
    QModelIndexList selectedSourceRows() const;
};
