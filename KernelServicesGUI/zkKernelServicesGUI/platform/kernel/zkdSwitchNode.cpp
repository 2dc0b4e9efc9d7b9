#include "zkdSwitchNode.h"

int zkdSwitchNode::getChoice() const
{
    return property("choice").toInt();
}

void zkdSwitchNode::setChoice(int choice) const
{
    setProperty("choice", choice);
}
