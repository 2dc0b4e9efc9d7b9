#include "zkCoreMaterialItem.h"

#include "zkItemDataRole.h"
#include "zkMaterialItemFactory.h"
#include "zkMaterialTreeModel.h"
#include "zkMaterialType.h"
#include "zkMaterialTypeRegistry.h"
#include "zkSubMaterialItem.h"

#include <zkScopedUndo.h>

#include <QIcon>

#include <vector>

zkCoreMaterialItem::zkCoreMaterialItem(const zkMaterialId &id, const zkdMaterial &material)
    : zkBaseMaterialItem(id)
    , m_material(material)
{
    setType();
}

zkdMultiMaterial zkCoreMaterialItem::getMultiMaterial() const
{
    return zkd_cast<zkdMultiMaterial>(m_material);
}

void zkCoreMaterialItem::update()
{
    setText(m_material.getName());
    // The icon follows the material's kind only; a QIcon never compares equal, so it is set once.
    if (!data(Qt::DecorationRole).isValid())
        setIcon(m_material.getIcon());
    if (auto *model = qobject_cast<zkMaterialTreeModel *>(getModel()))
        model->watchMaterial(m_material, getRawId());

    QList<zkModelItem *> items;
    const zkdMultiMaterial multi = getMultiMaterial();
    if (!multi.isNull()) {
        const QList<zkdMaterial> materials = multi.getMaterials();
        // Rows already shown keep their items; an index whose sub-material changed shows the
        // new one in the same item. Rows dragged here in the model from elsewhere are not ours.
        std::vector<zkSubMaterialItem *> shown(materials.size(), nullptr);
        for (int row = 0; row < childCount(); ++row) {
            auto *item = dynamic_cast<zkSubMaterialItem *>(child(row));
            const int index = item ? item->getIndex() : -1;
            if (index >= 0 && index < materials.size() && !shown[index] && item->getRawId().getParent() == getRawId())
                shown[index] = item;
        }
        items.reserve(materials.size());
        for (int index = 0; index < materials.size(); ++index) {
            zkSubMaterialItem *item = shown[index];
            if (!item) {
                items.append(zkMaterialItemFactory::createItemForSubMaterial(getRawId(), multi, index));
                continue;
            }
            if (item->getMaterial() != materials.at(index))
                item->setMaterial(materials.at(index));
            items.append(item);
        }
        setChildItems(items);
        for (zkSubMaterialItem *item : shown) {
            if (item)
                item->refresh();
        }
        return;
    }
    setChildItems(items);
}

void zkCoreMaterialItem::textChanged()
{
    const zkScopedUndo undo(true);
    m_material.setName(getText(0));
}

void zkCoreMaterialItem::setMaterial(const zkdMaterial &material)
{
    const bool sameKind = material.getTypeId() == m_material.getTypeId();
    m_material = material;
    setType();
    if (!sameKind)
        clearData(Qt::DecorationRole);
}

void zkCoreMaterialItem::setType()
{
    const int type = zkMaterialTypeRegistry::getInstance().lookup(m_material).type;
    setData(zkItemDataRole::Kind, QVariant::fromValue(zkMaterialType(type)), 0);
}
