#include "zkMaterialPreviewModel.h"

#include "zkMaterialIdPayload.h"
#include "zkMaterialPreviewItem.h"

#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkdMaterial.h>
#include <zkdNode.h>
#include <zkdObjectManager.h>

#include <QMimeData>

zkMaterialPreviewModel::zkMaterialPreviewModel(QObject *parent)
    : zkItemModel(parent)
{
    setMimeType(QStringLiteral("application/zelk-material"));
    const zkdObjectManager *manager = zkdObjectManager::instance();
    connect(manager, &zkdObjectManager::propertyChanged, this, &zkMaterialPreviewModel::handle);
    if (const zkMaterialService *service = zkKernelServiceFactory::the().getService<zkMaterialService>())
        connect(service, &zkMaterialService::refreshed, this, &zkMaterialPreviewModel::reload);
}

zkdMaterial zkMaterialPreviewModel::getMaterial(const QModelIndex &index) const
{
    zkModelItem *item = nullptr;
    if (!index.isValid() || index.model() != this || !tryGetItem(index, item))
        return zkdMaterial();
    const auto *preview = dynamic_cast<const zkMaterialPreviewItem *>(item);
    return preview ? preview->getMaterial() : zkdMaterial();
}

QMimeData *zkMaterialPreviewModel::mimeData(const QModelIndexList &indexes) const
{
    QMimeData *data = zkItemModel::mimeData(indexes);
    if (data && !indexes.isEmpty()) {
        if (const zkdMaterial material = getMaterial(indexes.constFirst()); !material.isNull())
            data->setData(zkMaterialIdPayload::mimeType(), zkMaterialIdPayload::encode(material));
    }
    return data;
}

void zkMaterialPreviewModel::handle(const zkdObject &object, const QByteArray &name)
{
    if (object.isTypeOf<zkdNode>()) {
        // Which materials a node lists depends on the nodes below it.
        if (name == "children" || name == "material")
            reload();
        return;
    }
    if (!object.isTypeOf<zkdMaterial>())
        return;
    // Only items already shown; finding one must not populate the root.
    zkModelItem *item = findItemById(QVariant::fromValue<quint64>(object.getObjectId()));
    if (auto *preview = dynamic_cast<zkMaterialPreviewItem *>(item))
        preview->refresh();
}
