#include "zkdScene.h"

#include "zkdBaseLightNode.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"
#include "zkdVariantSetGroup.h"

#include <QHash>

namespace {

template <typename T>
T createNamed(const QString &name)
{
    const T object = zkdObjectManager::create<T>();
    if (const std::shared_ptr<zkdObjectData> data = object.ptr())
        data->initializeProperty(data->classInfo().indexOf("name"), name);
    return object;
}

// Share groups: node id to the id of the first node of its group.
QHash<quint64, quint64> &shareGroups()
{
    static QHash<quint64, quint64> groups;
    static const QMetaObject::Connection cleanup = QObject::connect(
            zkdObjectManager::instance(), &zkdObjectManager::objectDestroyed,
            [](const zkdObject &object) { groups.remove(object.getObjectId()); });
    Q_UNUSED(cleanup);
    return groups;
}

bool inScene(const zkdNode &node)
{
    return node.isValid() && (node == zkdScene::root() || !node.getParent().isNull());
}

} // namespace

zkdNode zkdScene::root()
{
    static const zkdNode node = createNamed<zkdNode>(QStringLiteral("Scene"));
    return node;
}

zkdVariantSetGroup zkdScene::variantSetRoot()
{
    static const zkdVariantSetGroup group = createNamed<zkdVariantSetGroup>(QString());
    return group;
}

QList<zkdBaseLightNode> zkdScene::lightNodes(const zkdNode &node)
{
    QList<zkdBaseLightNode> lights;
    for (const zkdNode &child : node.getChildren()) {
        if (child.isTypeOf<zkdBaseLightNode>())
            lights.append(zkd_cast<zkdBaseLightNode>(child));
        lights.append(lightNodes(child));
    }
    return lights;
}

void zkdScene::share(const zkdNode &node, const zkdNode &clone)
{
    QHash<quint64, quint64> &groups = shareGroups();
    const quint64 group = groups.value(node.getObjectId(), node.getObjectId());
    groups.insert(node.getObjectId(), group);
    groups.insert(clone.getObjectId(), group);
}

bool zkdScene::isShared(const zkdNode &node)
{
    const QHash<quint64, quint64> &groups = shareGroups();
    const auto it = groups.constFind(node.getObjectId());
    if (it == groups.constEnd() || !inScene(node))
        return false;
    for (auto other = groups.constBegin(); other != groups.constEnd(); ++other) {
        if (other.value() == it.value() && other.key() != node.getObjectId()
                && inScene(zkd_cast<zkdNode>(zkdObjectManager::find(other.key()))))
            return true;
    }
    return false;
}
