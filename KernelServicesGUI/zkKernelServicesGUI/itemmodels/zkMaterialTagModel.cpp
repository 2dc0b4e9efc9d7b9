#include "zkMaterialTagModel.h"

#include "zkItemIdPayload.h"
#include "zkMaterialIdPayload.h"
#include "zkMaterialTagCache.h"
#include "zkMaterialTagItem.h"
#include "zkMaterialTagSourceItem.h"
#include "zkTaggedMaterialItem.h"

#include <zkKernelServiceFactory.h>
#include <zkMaterialId.h>
#include <zkMaterialService.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoString.h>
#include <zkdMaterial.h>
#include <zkdNode.h>
#include <zkdObjectManager.h>

#include <QMimeData>

namespace {

const QString materialItemType = QStringLiteral("application/zelk-material-item");

// The materials named by a material tree payload: QVariants of zkMaterialId, at least one.
bool readMaterialItems(const QByteArray &payload, QList<zkdMaterial> &materials)
{
    QVariantList ids;
    if (!zkItemIdPayload::decode(payload, &ids))
        return false;
    for (const QVariant &id : qAsConst(ids)) {
        if (id.userType() != qMetaTypeId<zkMaterialId>())
            return false;
        materials.append(id.value<zkMaterialId>().getMaterial());
    }
    return !materials.isEmpty();
}

} // namespace

zkMaterialTagModel::zkMaterialTagModel(QObject *parent)
    : zkItemModel(parent)
{
    registerMaterialIdType();
    setMimeType(QStringLiteral("application/zelk-materialtag-item"));
    addExternalMimeType(materialItemType);
    addExternalMimeType(zkMaterialIdPayload::mimeType());
    const zkdObjectManager *manager = zkdObjectManager::instance();
    connect(manager, &zkdObjectManager::propertyChanged, this, &zkMaterialTagModel::handle);
    connect(manager, &zkdObjectManager::objectDestroyed, this,
            [this](const zkdObject &object) { handle(object, QByteArray()); });
}

void zkMaterialTagModel::refresh()
{
    if (m_dropDepth > 0) {
        m_refreshPending = true;
        return;
    }
    m_refreshPending = false;
    zkModelItem *root = nullptr;
    if (!tryGetItem(QModelIndex(), root))
        return;
    if (const auto *source = dynamic_cast<const zkMaterialTagSourceItem *>(root)) {
        // A copy shares the cache the items read.
        zkMaterialTagCache cache = source->getTagSource();
        cache.clear();
        cache.addSceneMaterials();
    }
    reload();
}

Qt::ItemFlags zkMaterialTagModel::flags(const QModelIndex &index) const
{
    // The items themselves are no drop targets; the model takes materials onto tags.
    const Qt::ItemFlags flags = zkItemModel::flags(index);
    return tagItem(index) ? flags | Qt::ItemIsDropEnabled : flags;
}

QStringList zkMaterialTagModel::mimeTypes() const
{
    return zkItemModel::mimeTypes() << materialItemType << zkMaterialIdPayload::mimeType();
}

bool zkMaterialTagModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int, int,
                                         const QModelIndex &parent) const
{
    const zkMaterialTagItem *target = tagItem(parent);
    return action != Qt::IgnoreAction && target && !materialsToTag(data, target->getTag()).isEmpty();
}

bool zkMaterialTagModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int, int,
                                      const QModelIndex &parent)
{
    const zkMaterialTagItem *target = tagItem(parent);
    if (action == Qt::IgnoreAction || !target)
        return false;
    const QString tag = target->getTag();
    const QList<zkdMaterial> materials = materialsToTag(data, tag);
    if (materials.isEmpty())
        return false;
    // One refresh once every material has its tag.
    ++m_dropDepth;
    {
        const zkScopedUndo undo(true);
        const zkScopedMultiCommand step(zkUndoString(QT_TRANSLATE_NOOP("zkMaterialTagModel", "Add Tag"),
                                                     "zkMaterialTagModel"));
        for (const zkdMaterial &material : materials)
            material.setTags(material.getTags() << tag);
    }
    --m_dropDepth;
    if (m_refreshPending)
        refresh();
    return true;
}

void zkMaterialTagModel::handle(const zkdObject &object, const QByteArray &name)
{
    // What the cache or the rows show: tags and names of materials, and the material tree,
    // whose changes bring materials into the scene or take them out.
    const bool shown = object.isTypeOf<zkdMaterial>()
                           ? name.isEmpty() || name == "tags" || name == "name"
                           : object.isTypeOf<zkdNode>() && (name == "children" || name == "material");
    if (shown)
        refresh();
}

zkdMaterial zkMaterialTagModel::getMaterial(const QModelIndex &index) const
{
    zkModelItem *item = nullptr;
    if (!index.isValid() || index.model() != this || !tryGetItem(index, item))
        return zkdMaterial();
    const auto *tagged = dynamic_cast<const zkTaggedMaterialItem *>(item);
    return tagged ? tagged->getMaterial() : zkdMaterial();
}

zkMaterialTagItem *zkMaterialTagModel::tagItem(const QModelIndex &index) const
{
    zkModelItem *item = nullptr;
    if (!index.isValid() || index.model() != this || !tryGetItem(index, item))
        return nullptr;
    return dynamic_cast<zkMaterialTagItem *>(item);
}

QList<zkdMaterial> zkMaterialTagModel::materialsToTag(const QMimeData *data, const QString &tag) const
{
    QString format;
    QList<zkdMaterial> materials;
    if (!canDrop(data, format))
        return {};
    const QByteArray payload = data->data(format);
    bool read = false;
    if (format == materialItemType) {
        read = readMaterialItems(payload, materials);
    } else if (format == zkMaterialIdPayload::mimeType()) {
        materials.append(zkMaterialIdPayload::decode(payload));
        read = true;
    }
    const auto *service = zkKernelServiceFactory::the().getService<zkMaterialService>();
    if (!read || !service)
        return {};
    const QList<zkdMaterial> scene = service->getSceneMaterials();
    QList<zkdMaterial> untagged;
    for (const zkdMaterial &material : qAsConst(materials)) {
        // A material that left the scene since the drag began refuses the whole drop.
        if (material.isNull() || !scene.contains(material))
            return {};
        if (!material.getTags().contains(tag) && !untagged.contains(material))
            untagged.append(material);
    }
    return untagged;
}
