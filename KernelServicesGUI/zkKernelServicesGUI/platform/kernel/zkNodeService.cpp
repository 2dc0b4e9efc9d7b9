#include "zkNodeService.h"

#include "zkScopedMultiCommand.h"
#include "zkUndoString.h"
#include "zkdBaseLightNode.h"
#include "zkdChangeCommand.h"
#include "zkdClassInfo.h"
#include "zkdHierarchy.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"
#include "zkdScene.h"

#include <QCoreApplication>

namespace {

const char *const undoContext = "Node Commands";

QString undoText(const char *text)
{
    return QCoreApplication::translate(undoContext, text);
}

QString defaultName(const QByteArray &className)
{
    QByteArray name = className;
    if (name.startsWith("zkd"))
        name.remove(0, 3);
    if (name.endsWith("Node") && name.size() > 4)
        name.chop(4);
    return QString::fromLatin1(name);
}

// Adds a new node under parent as one step: the node goes with the step once it is undone
// for good.
void addNew(const zkdNode &node, const zkdNode &parent, const char *text)
{
    const zkScopedMultiCommand step(zkUndoString(text, undoContext));
    auto creation = std::make_unique<zkdChangeCommand>(undoText(text));
    creation->addCreated({node});
    zkdChangeCommand::apply(std::move(creation));
    zkdHierarchy::instance().insert(parent, INT_MAX, {node}, undoText(text));
}

QList<zkdObject> objects(const QList<zkdNode> &nodes)
{
    return QList<zkdObject>(nodes.cbegin(), nodes.cend());
}

} // namespace

zkNodeService::zkNodeService(QObject *parent)
    : zkBaseService(parent)
{
}

zkdNode zkNodeService::getRootNode() const
{
    return zkdScene::root();
}

zkdNode zkNodeService::createNode(const QByteArray &className, const zkdNode &parent, const QString &name)
{
    const zkdClassInfo *info = zkdObjectManager::classInfo(className);
    const zkdClassInfo *nodeInfo = zkdObjectManager::classInfo(QByteArrayLiteral("zkdNode"));
    const zkdNode target = parent.isNull() ? getRootNode() : parent;
    if (!info || !info->inherits(nodeInfo) || !target.isValid())
        return zkdNode();
    const zkdNode node = zkd_cast<zkdNode>(zkdObjectManager::create(className));
    const std::shared_ptr<zkdObjectData> data = node.ptr();
    data->initializeProperty(data->classInfo().indexOf("name"), name.isEmpty() ? defaultName(className) : name);
    addNew(node, target, "Create Node");
    return node;
}

zkdNode zkNodeService::cloneNode(const zkdNode &node, const zkdNode &parent)
{
    const std::shared_ptr<zkdObjectData> source = node.ptr();
    const zkdNode target = parent.isNull() ? getRootNode() : parent;
    if (!source || node == getRootNode() || !target.isValid())
        return zkdNode();
    const zkdNode clone = zkd_cast<zkdNode>(zkdObjectManager::create(source->classInfo().metaObject->className()));
    const std::shared_ptr<zkdObjectData> data = clone.ptr();
    // Values, not identities or sub-objects: the clone has sub-objects of its own.
    const QVector<zkdPropertyInfo> &properties = source->classInfo().properties;
    for (int i = 0; i < properties.size(); ++i) {
        if ((properties.at(i).flags & zkdPropertyInfo::Writable) && !(properties.at(i).flags & zkdPropertyInfo::SubObject))
            data->storeProperty(i, source->property(i));
    }
    zkdScene::share(node, clone);
    addNew(clone, target, "Clone Node");
    return clone;
}

void zkNodeService::appendNodes(const zkdNode &parent, const QList<zkdNode> &nodes)
{
    zkdHierarchy::instance().insert(parent, INT_MAX, objects(nodes), undoText("Move Nodes"));
}

void zkNodeService::insertNodes(const zkdNode &parent, int index, const QList<zkdNode> &nodes)
{
    zkdHierarchy::instance().insert(parent, index, objects(nodes), undoText("Move Nodes"));
}

void zkNodeService::removeNodes(const QList<zkdNode> &nodes)
{
    const zkdNode root = getRootNode();
    QList<zkdObject> removed;
    for (const zkdNode &node : nodes) {
        if (zkdHierarchy::instance().isAncestor(root, node))
            removed.append(node);
    }
    if (!removed.isEmpty())
        zkdHierarchy::instance().detach(removed, undoText("Delete Nodes"));
}

QList<zkdBaseLightNode> zkNodeService::getLightNodes() const
{
    return zkdScene::lightNodes(getRootNode());
}
