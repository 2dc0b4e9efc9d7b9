#include "zkMaterialTreeModel.h"

#include "zkBaseMaterialItem.h"
#include "zkCoreMaterialItem.h"
#include "zkGroupMaterialItem.h"
#include "zkMaterialIdPayload.h"

#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkdMaterialNode.h>
#include <zkdObjectManager.h>

#include <QMimeData>

#include <algorithm>
#include <iterator>

zkMaterialTreeModel::zkMaterialTreeModel(QObject *parent)
    : zkItemModel(parent)
{
    registerMaterialIdType();
    setMimeType(QStringLiteral("application/zelk-material-item"));
    const zkdObjectManager *manager = zkdObjectManager::instance();
    connect(manager, &zkdObjectManager::propertyChanged, this,
            [this](const zkdObject &object, const QByteArray &name) { handle(object, name, false); });
    connect(manager, &zkdObjectManager::objectDestroyed, this,
            [this](const zkdObject &object) { handle(object, QByteArray(), true); });
}

zkModelItem *zkMaterialTreeModel::itemFromIndex(const QModelIndex &index) const
{
    zkModelItem *item = nullptr;
    if (!index.isValid() || index.model() != this || !tryGetItem(index, item))
        return nullptr;
    return item;
}

bool zkMaterialTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const auto *edited = dynamic_cast<const zkBaseMaterialItem *>(itemFromIndex(index));
    if (!edited)
        return zkItemModel::setData(index, value, role);
    const zkMaterialId id = edited->getRawId();
    const zkScopedUndo undo(true);
    const zkScopedMultiCommand step;
    const bool done = guarded([&] { return zkItemModel::setData(index, value, role); });
    // An edit the scene did not take, such as unchecking the chosen sub-material, shows the
    // scene again.
    if (zkBaseMaterialItem *item = findMaterialItem(id))
        item->refresh();
    return done;
}

QMimeData *zkMaterialTreeModel::mimeData(const QModelIndexList &indexes) const
{
    QMimeData *data = zkItemModel::mimeData(indexes);
    if (data && !indexes.isEmpty()) {
        if (const auto *item = dynamic_cast<const zkCoreMaterialItem *>(itemFromIndex(indexes.constFirst())))
            data->setData(zkMaterialIdPayload::mimeType(), zkMaterialIdPayload::encode(item->getMaterial()));
    }
    return data;
}

void zkMaterialTreeModel::watchMaterial(const zkdMaterial &material, const zkMaterialId &id)
{
    if (material.isNull())
        return;
    QVector<zkMaterialId> &ids = m_materialItems[material.getObjectId()];
    if (!ids.contains(id))
        ids.append(id);
}

template <typename Operation>
bool zkMaterialTreeModel::guarded(Operation operation)
{
    ++m_operationDepth;
    const bool result = operation();
    if (--m_operationDepth == 0) {
        while (!m_heldBack.isEmpty())
            apply(m_heldBack.takeFirst());
    }
    return result;
}

void zkMaterialTreeModel::handle(const zkdObject &object, const QByteArray &name, bool destroyed)
{
    // Only what the items show.
    static const QByteArray shown[] = {"children", "name", "material", "materials", "choice"};
    if (!destroyed && std::find(std::begin(shown), std::end(shown), name) == std::end(shown))
        return;
    const Change change{object, name, destroyed};
    if (m_operationDepth > 0)
        m_heldBack.append(change);
    else
        apply(change);
}

void zkMaterialTreeModel::apply(const Change &change)
{
    // A handle keeps its class after the object is gone.
    const zkdObject &object = change.object;
    const zkdNode node = zkd_cast<zkdNode>(object);
    if (change.destroyed) {
        if (!node.isNull())
            removeNode(zkMaterialId(node));
        m_materialItems.remove(object.getObjectId());
        return;
    }
    if (!node.isNull()) {
        // A material node shows its material, not its own name.
        const bool materialNode = node.isTypeOf<zkdMaterialNode>();
        if (materialNode ? change.name == "material" : change.name == "children" || change.name == "name")
            refreshGroup(zkMaterialId(node));
        return;
    }
    if (object.isTypeOf<zkdMaterial>())
        refreshMaterial(object.getObjectId());
}

void zkMaterialTreeModel::refreshGroup(const zkMaterialId &id)
{
    zkBaseMaterialItem *item = findMaterialItem(id);
    if (!item || m_refreshing.contains(id))
        return;
    if (!dynamic_cast<zkGroupMaterialItem *>(item)) {
        item->refresh();
        return;
    }
    m_refreshing.insert(id);
    item->updateRows();
    // Rows that went to another shown group are taken over there before they are removed here,
    // so that they move.
    const zkdNode node = id.getNode();
    QVector<zkMaterialId> receivers;
    for (const zkModelItem *dropped : item->getDroppedRows()) {
        const zkdNode parent = static_cast<const zkBaseMaterialItem *>(dropped)->getRawId().getNode().getParent();
        const zkMaterialId other(parent);
        if (!parent.isNull() && parent != node && !receivers.contains(other))
            receivers.append(other);
    }
    for (const zkMaterialId &other : qAsConst(receivers))
        refreshGroup(other);
    // The receivers may have taken this item over.
    if (!receivers.isEmpty())
        item = findMaterialItem(id);
    if (item)
        item->removeDroppedRows();
    m_refreshing.remove(id);
}

void zkMaterialTreeModel::refreshMaterial(quint64 materialId)
{
    const auto it = m_materialItems.find(materialId);
    if (it == m_materialItems.end())
        return;
    // A refresh may drop entries of this very list.
    const QVector<zkMaterialId> ids = *it;
    QVector<zkMaterialId> live;
    for (const zkMaterialId &id : ids) {
        auto *item = dynamic_cast<zkCoreMaterialItem *>(findMaterialItem(id));
        if (!item || item->getMaterial().getObjectId() != materialId)
            continue;
        live.append(id);
        item->refresh();
    }
    if (live.isEmpty())
        m_materialItems.remove(materialId);
    else
        m_materialItems.insert(materialId, live);
}

void zkMaterialTreeModel::removeNode(const zkMaterialId &id)
{
    zkBaseMaterialItem *item = findMaterialItem(id);
    if (item && item->getParent())
        item->getParent()->removeChild(item->getChildIndex());
}

zkBaseMaterialItem *zkMaterialTreeModel::findMaterialItem(const zkMaterialId &id) const
{
    return dynamic_cast<zkBaseMaterialItem *>(findItemById(QVariant::fromValue(id)));
}
