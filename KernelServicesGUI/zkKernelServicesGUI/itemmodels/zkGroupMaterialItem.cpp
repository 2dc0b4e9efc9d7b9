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
    const int count = nodes.size();
    const int rows = childCount();
    const auto shownAt = [this](int row) { return static_cast<zkBaseMaterialItem *>(child(row)); };
    // Rows already shown keep their items. Mostly a few rows changed: the rows that still match
    // at the front and at the back stay, the others are matched by the whole id, since rows
    // dragged here in the model may be sub-materials of a node shown here.
    int front = 0;
    while (front < count && front < rows && shownAt(front)->getRawId() == zkMaterialId(nodes.at(front)))
        ++front;
    int back = 0;
    while (back < count - front && back < rows - front
           && shownAt(rows - 1 - back)->getRawId() == zkMaterialId(nodes.at(count - 1 - back)))
        ++back;
    QHash<zkMaterialId, zkModelItem *> shown;
    for (int row = front; row < rows - back; ++row)
        shown.insert(shownAt(row)->getRawId(), shownAt(row));
    QList<zkModelItem *> items;
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (i < front) {
            items.append(child(i));
        } else if (i >= count - back) {
            items.append(child(rows - count + i));
        } else {
            zkModelItem *item = shown.take(zkMaterialId(nodes.at(i)));
            // A fresh item for a node shown elsewhere in the tree takes that row over by id.
            items.append(item ? item : zkMaterialItemFactory::createItemForNode(nodes.at(i)));
        }
    }
    setChildItems(items);
}

void zkGroupMaterialItem::textChanged()
{
    m_node.setName(getText(0));
}
