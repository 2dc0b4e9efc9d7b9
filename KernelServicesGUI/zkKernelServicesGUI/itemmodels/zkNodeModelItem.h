#pragma once

#include "zkModelItem.h"

#include <zkdNode.h>

#include <QList>

// An item that mirrors one scene node: its name (underlined while the node is shared), its
// icon, its lock state, its visibility as a check box and its children, which populate lazily.
// Renames, check-box toggles and drops are carried into the scene as one undo step each.
//
// Under a switch node the check box also follows the switch: a child shows checked only while
// the switch shows it, and checking a child makes the switch show it.
class zkNodeModelItem : public zkModelItem
{
public:
    explicit zkNodeModelItem(const zkdNode &node);

    zkdNode getNode() const { return m_node; }

    bool getCheckable() const override;
    // The node handle, as a QVariant of the meta-type "zkdNode".
    QVariant getId() override;

protected:
    void update() override;
    bool canDropTo(zkModelItem *target, Qt::DropAction action) override;
    void droppedFrom(zkModelItem *oldParent, int oldRow) override;
    void textChanged() override;
    void checkStateChanged() override;
    // Finds nodes by walking up the scene graph, so that only the chain of items down to the
    // node's parent populates.
    bool loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader) override;
    // Refuses check-box edits of locked nodes, and of children of a locked switch.
    bool canSetData(int role, const QVariant &value, int column) override;

    // One fresh item per child node, in order; the caller owns them.
    virtual QList<zkModelItem *> createChildList() const;
    virtual void updateChildren();
    virtual void updateIcon();
    virtual void updateText();
    virtual void updateFont();
    virtual void updateCheckboxState();
    virtual void updateLockedState();

private:
    bool loadNode(const zkdNode &node, const std::function<void(zkModelItem *)> &loader);

    zkdNode m_node;
    // Set while the item writes its own check state, which is not an edit to vet.
    bool m_updatingCheckState = false;
};
