#pragma once

#include "zkTreeView.h"

#include <zkdNode.h>

#include <QList>

// A tree view of scene nodes, used with a zkNodeBasedSelectionModel.
class zkNodeBasedTreeView : public zkTreeView
{
    Q_OBJECT
public:
    explicit zkNodeBasedTreeView(QWidget *parent = nullptr);

    // Empty unless the selection model is a zkNodeBasedSelectionModel.
    QList<zkdNode> getSelectedRootNodes() const;
};
