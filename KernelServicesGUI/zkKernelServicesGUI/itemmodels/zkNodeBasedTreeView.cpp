#include "zkNodeBasedTreeView.h"

#include "zkNodeBasedSelectionModel.h"

zkNodeBasedTreeView::zkNodeBasedTreeView(QWidget *parent)
    : zkTreeView(parent)
{
}

QList<zkdNode> zkNodeBasedTreeView::getSelectedRootNodes() const
{
    if (const auto *nodeSelection = qobject_cast<const zkNodeBasedSelectionModel *>(selectionModel()))
        return nodeSelection->getSelectedRootNodes();
    return {};
}
