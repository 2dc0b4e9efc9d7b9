#pragma once

#include <QList>

class zkGroupMaterialItem;
class zkMaterialId;
class zkModelItem;
class zkSubMaterialItem;
class zkdMultiMaterial;
class zkdNode;

// Turns kernel handles into material tree items. The caller owns the items.
namespace zkMaterialItemFactory {

// The root group of the material tree; a group over a null node without the material service.
zkGroupMaterialItem *createItemForRoot();
// A zkMainMaterialItem for a material node, else a zkGroupMaterialItem.
zkModelItem *createItemForNode(const zkdNode &node);
QList<zkModelItem *> createItemsForNodes(const QList<zkdNode> &nodes);
zkSubMaterialItem *createItemForSubMaterial(const zkMaterialId &parentId, const zkdMultiMaterial &multiMaterial,
                                            int index);
// One item per sub-material, in index order.
QList<zkModelItem *> createItemsForSubMaterials(const zkMaterialId &parentId, const zkdMultiMaterial &multiMaterial);

} // namespace zkMaterialItemFactory
