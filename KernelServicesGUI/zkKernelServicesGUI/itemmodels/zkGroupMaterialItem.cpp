#include "zkGroupMaterialItem.h"

#include "zkMaterialItemFactory.h"

#include <QHash>
#include <QIcon>

zkGroupMaterialItem::zkGroupMaterialItem(const zkdNode &node)
    : zkBaseMaterialItem(zkMaterialId(node))
    , m_node(node)
{
}

void zkGroupMaterialItem::update()
{
    setText(m_node.getName());
    // The icon follows the node's kind only; a QIcon never compares equal, so it is set once.
    if (!data(Qt::DecorationRole).isValid())
        setIcon(m_node.getIcon());

    const QList<zkdNode> nodes = m_node.getChildren();
    QList<zkModelItem *> items;
    items.reserve(nodes.size());
    // Rows already shown keep their items; mostly they are still in order. Rows are matched by
    // the whole id: rows dragged here in the model may be sub-materials of a node shown here.
    QHash<zkMaterialId, zkModelItem *> shown;
    bool inOrder = true;
    for (int i = 0; i < nodes.size(); ++i) {
        const zkdNode &node = nodes.at(i);
        const zkMaterialId id(node);
        if (inOrder) {
            auto *item = static_cast<zkBaseMaterialItem *>(child(i));
            if (item && item->getRawId() == id) {
                items.append(item);
                continue;
            }
            inOrder = false;
            for (int row = i; row < childCount(); ++row) {
                auto *other = static_cast<zkBaseMaterialItem *>(child(row));
                shown.insert(other->getRawId(), other);
            }
        }
        zkModelItem *item = shown.take(id);
        // A fresh item for a node shown elsewhere in the tree takes that row over by id.
        items.append(item ? item : zkMaterialItemFactory::createItemForNode(node));
    }
    setChildItems(items);
}

void zkGroupMaterialItem::textChanged()
{
    m_node.setName(getText(0));
}
