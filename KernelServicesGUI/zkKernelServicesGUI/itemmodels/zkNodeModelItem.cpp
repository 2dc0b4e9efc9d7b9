#include "zkNodeModelItem.h"

#include "zkItemModel.h"

#include <zkKernelServiceFactory.h>
#include <zkNodeService.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkdSwitchNode.h>

#include <QFont>
#include <QIcon>

namespace {

zkdSwitchNode parentSwitch(const zkdNode &node)
{
    return zkd_cast<zkdSwitchNode>(node.getParent());
}

} // namespace

zkNodeModelItem::zkNodeModelItem(const zkdNode &node)
    : m_node(node)
{
    setDragEnabled(true);
    setDropEnabled(true);
    setEditable(false);
    setCheckable(true);
}

bool zkNodeModelItem::getCheckable() const
{
    return true;
}

QVariant zkNodeModelItem::getId()
{
    return QVariant::fromValue(m_node);
}

void zkNodeModelItem::update()
{
    updateText();
    updateFont();
    updateIcon();
    updateLockedState();
    updateCheckboxState();
    updateChildren();
}

bool zkNodeModelItem::canDropTo(zkModelItem *target, Qt::DropAction)
{
    const auto *nodeItem = dynamic_cast<zkNodeModelItem *>(target);
    return nodeItem && !nodeItem->getNode().isLocked();
}

void zkNodeModelItem::droppedFrom(zkModelItem *oldParent, int oldRow)
{
    auto *service = zkKernelServiceFactory::the().getService<zkNodeService>();
    const auto *parentItem = dynamic_cast<zkNodeModelItem *>(getParent());
    if (!service || !parentItem)
        return;
    const zkdNode parent = parentItem->getNode();
    const int row = getChildIndex();
    const zkScopedUndo undo(true);
    if (row == getParent()->childCount() - 1) {
        service->appendNodes(parent, {m_node});
        return;
    }
    // The kernel counts the index in the child list as it was before the move, where a node
    // that moved down still stood above its new place.
    const bool movedDown = oldParent == getParent() && oldRow < row;
    service->insertNodes(parent, movedDown ? row + 1 : row, {m_node});
}

void zkNodeModelItem::textChanged()
{
    const zkScopedUndo undo(true);
    m_node.setName(getText(0));
}

void zkNodeModelItem::checkStateChanged()
{
    const zkScopedUndo undo(true);
    const zkScopedMultiCommand step;
    const bool checked = getCheckState(0) == Qt::Checked;
    const zkdSwitchNode switchNode = parentSwitch(m_node);
    if (!switchNode.isNull()) {
        const int index = m_node.getIndex();
        const int choice = switchNode.getChoice();
        if (checked)
            switchNode.setChoice(index);
        else if (choice == index || choice == zkdSwitchNode::AllChildren)
            switchNode.setChoice(zkdSwitchNode::NoChild);
    }
    if (m_node.getVisibilityFlag() != checked)
        m_node.setVisibilityFlag(checked);
}

bool zkNodeModelItem::loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader)
{
    if (id.userType() != qMetaTypeId<zkdNode>())
        return zkModelItem::loadChild(id, loader);
    return loadNode(id.value<zkdNode>(), loader);
}

bool zkNodeModelItem::loadNode(const zkdNode &node, const std::function<void(zkModelItem *)> &loader)
{
    const zkdNode parent = node.getParent();
    if (parent.isNull())
        return false;
    if (parent == m_node) {
        loader(this);
        return true;
    }
    if (!loadNode(parent, loader) || !getModel())
        return false;
    zkModelItem *parentItem = getModel()->findItemById(QVariant::fromValue(parent));
    if (!parentItem)
        return false;
    loader(parentItem);
    return true;
}

bool zkNodeModelItem::canSetData(int role, const QVariant &, int)
{
    if (role != Qt::CheckStateRole || m_updatingCheckState)
        return true;
    const zkdSwitchNode switchNode = parentSwitch(m_node);
    const zkdNode tested = switchNode.isNull() ? m_node : zkdNode(switchNode);
    return !tested.getUserLocked() && !tested.hasLockedParent();
}

QList<zkModelItem *> zkNodeModelItem::createChildList() const
{
    QList<zkModelItem *> items;
    const QList<zkdNode> children = m_node.getChildren();
    items.reserve(children.size());
    for (const zkdNode &child : children)
        items.append(new zkNodeModelItem(child));
    return items;
}

void zkNodeModelItem::updateChildren()
{
    setChildren(createChildList());
}

void zkNodeModelItem::updateIcon()
{
    // The icon follows the node's kind, which never changes, and a QIcon never compares equal:
    // setting it on every refresh would report a change each time.
    if (!data(Qt::DecorationRole).isValid())
        setIcon(m_node.getIcon());
}

void zkNodeModelItem::updateText()
{
    setText(m_node.getName());
}

void zkNodeModelItem::updateFont()
{
    QFont font = getFont(0);
    font.setUnderline(m_node.isShared());
    setFont(font);
}

void zkNodeModelItem::updateCheckboxState()
{
    bool checked = m_node.getVisibilityFlag();
    const zkdSwitchNode switchNode = parentSwitch(m_node);
    if (checked && !switchNode.isNull()) {
        const int choice = switchNode.getChoice();
        checked = choice == zkdSwitchNode::AllChildren || (choice >= 0 && choice == m_node.getIndex());
    }
    m_updatingCheckState = true;
    setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    m_updatingCheckState = false;
}

void zkNodeModelItem::updateLockedState()
{
    setEditable(!m_node.isLocked());
    setDragEnabled(!m_node.hasLockedParent());
}
