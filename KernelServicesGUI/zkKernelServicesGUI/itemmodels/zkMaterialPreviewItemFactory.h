#pragma once

#include <QList>

class zkMaterialPreviewItem;
class zkMaterialPreviewRootItem;
class zkModelItem;
class zkdMaterial;
class zkdNode;

// Builds the items of the material preview model; the caller owns them.
namespace zkMaterialPreviewItemFactory {

zkMaterialPreviewRootItem *createItemForRoot(const zkdNode &node);
zkMaterialPreviewItem *createItemForMaterial(const zkdMaterial &material);
// One item per material, in order.
QList<zkModelItem *> createItemsForMaterials(const QList<zkdMaterial> &materials);
// The items of the materials the material service lists for node, in its order.
QList<zkModelItem *> createItemsForNodeMaterials(const zkdNode &node);

} // namespace zkMaterialPreviewItemFactory
