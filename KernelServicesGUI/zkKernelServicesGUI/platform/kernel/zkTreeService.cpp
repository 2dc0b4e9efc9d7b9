#include "zkTreeService.h"

#include "zkdScene.h"

zkTreeService::zkTreeService(QObject *parent)
    : zkBaseService(parent)
{
}

zkdNode zkTreeService::getSceneRoot() const
{
    return zkdScene::root();
}

void zkTreeService::setSelectedNodes(const QList<zkdNode> &nodes)
{
    QList<zkdNode> selection;
    for (const zkdNode &node : nodes) {
        if (!node.isNull() && !selection.contains(node))
            selection.append(node);
    }
    if (selection == m_selectedNodes)
        return;
    m_selectedNodes = selection;
    emit selectionChanged(m_selectedNodes);
}
