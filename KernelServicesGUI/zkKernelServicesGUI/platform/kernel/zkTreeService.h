#pragma once

#include "zkBaseService.h"
#include "zkdNode.h"

#include <QList>

// The scene graph as the scene tree shows it: its root and the nodes selected in it.
class zkTreeService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkTreeService(QObject *parent = nullptr);

    zkdNode getSceneRoot() const;

    QList<zkdNode> getSelectedNodes() const { return m_selectedNodes; }
    // Null nodes are left out.
    void setSelectedNodes(const QList<zkdNode> &nodes);

signals:
    void selectionChanged(const QList<zkdNode> &nodes);

private:
    QList<zkdNode> m_selectedNodes;
};
