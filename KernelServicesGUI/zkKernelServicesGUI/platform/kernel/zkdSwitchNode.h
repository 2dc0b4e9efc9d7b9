#pragma once

#include "zkdNode.h"

// A group that shows one of its children, none or all of them.
class zkdSwitchNode : public zkdNode
{
    Q_GADGET
public:
    using zkdNode::zkdNode;

    // Choices besides the index of the one child shown.
    static constexpr int NoChild = -1;
    static constexpr int AllChildren = -2;

    int getChoice() const;
    // An edit of the choice property: recorded when an undo scope records.
    void setChoice(int choice) const;
};

Q_DECLARE_METATYPE(zkdSwitchNode)
