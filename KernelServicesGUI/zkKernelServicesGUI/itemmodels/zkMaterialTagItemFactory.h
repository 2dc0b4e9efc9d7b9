#pragma once

#include <QList>

class QString;
class zkMaterialTagCache;
class zkMaterialTagItem;
class zkMaterialTagRootItem;
class zkModelItem;
class zkTaggedMaterialItem;
class zkdMaterial;

// Builds the items of the material tag model. The caller owns the items; the cache must
// outlive them.
namespace zkMaterialTagItemFactory {

zkMaterialTagRootItem *createItemForRoot(int rootId, const zkMaterialTagCache &cache);
zkMaterialTagItem *createItemForTag(const QString &tag, const zkMaterialTagCache &cache);
// One item per tag, in order.
QList<zkModelItem *> createItemsForTags(const QList<QString> &tags, const zkMaterialTagCache &cache);
zkTaggedMaterialItem *createItemForTaggedMaterial(const QString &tag, const zkdMaterial &material);
// One item per material, in order.
QList<zkModelItem *> createItemsForTaggedMaterials(const QString &tag, const QList<zkdMaterial> &materials);

} // namespace zkMaterialTagItemFactory
