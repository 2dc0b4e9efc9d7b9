#include "zkdNode.h"

#include "zkNodeGlyph.h"
#include "zkdHierarchy.h"
#include "zkdScene.h"

#include <QIcon>

QString zkdNode::getName() const
{
    return property("name").toString();
}

void zkdNode::setName(const QString &name) const
{
    setProperty("name", name);
}

QIcon zkdNode::getIcon() const
{
    return isNull() ? QIcon() : zkNodeGlyph::icon(getTypeName().toUtf8());
}

QList<zkdNode> zkdNode::getChildren() const
{
    QList<zkdNode> nodes;
    for (const zkdObject &child : zkdHierarchy::instance().children(*this))
        nodes.append(zkd_cast<zkdNode>(child));
    return nodes;
}

zkdNode zkdNode::getParent() const
{
    return zkd_cast<zkdNode>(zkdHierarchy::instance().parent(*this));
}

int zkdNode::getIndex() const
{
    return zkdHierarchy::instance().indexOf(*this);
}

bool zkdNode::isShared() const
{
    return zkdScene::isShared(*this);
}

bool zkdNode::isLocked() const
{
    return getUserLocked() || hasLockedParent();
}

bool zkdNode::hasLockedParent() const
{
    for (zkdNode node = getParent(); !node.isNull(); node = node.getParent()) {
        if (node.getUserLocked())
            return true;
    }
    return false;
}

bool zkdNode::getUserLocked() const
{
    return property("userLocked").toBool();
}

void zkdNode::setUserLocked(bool locked) const
{
    setProperty("userLocked", locked);
}

bool zkdNode::getVisibilityFlag() const
{
    return property("visibilityFlag").toBool();
}

void zkdNode::setVisibilityFlag(bool visible) const
{
    setProperty("visibilityFlag", visible);
}
