#include "zkBaseMaterialItem.h"

#include "zkIdKey.h"

#include <zkdNode.h>

#include <algorithm>

namespace {

// Before any model indexes a material id.
const bool hashable = [] {
    zkIdKey::registerHashable<zkMaterialId>();
    return true;
}();

} // namespace

zkBaseMaterialItem::zkBaseMaterialItem(const zkMaterialId &id)
    : m_id(id)
{
    setDragEnabled(true);
    setDropEnabled(true);
    setEditable(true);
    setEnabled(true);
    setSelectable(true);
    setCheckable(true);
}

QVariant zkBaseMaterialItem::getId()
{
    return QVariant::fromValue(m_id);
}

void zkBaseMaterialItem::refresh()
{
    updateRows();
    removeDroppedRows();
}

void zkBaseMaterialItem::updateRows()
{
    if (isLoaded())
        update();
}

QList<zkModelItem *> zkBaseMaterialItem::getDroppedRows() const
{
    QList<zkModelItem *> rows;
    if (!isLoaded())
        return rows;
    for (int row = m_sceneRows; zkModelItem *item = child(row); ++row)
        rows.append(item);
    return rows;
}

void zkBaseMaterialItem::removeDroppedRows()
{
    if (!isLoaded())
        return;
    for (int row = childCount() - 1; row >= m_sceneRows; --row)
        removeChild(row);
}

bool zkBaseMaterialItem::loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader)
{
    if (id.userType() != qMetaTypeId<zkMaterialId>())
        return false;
    const zkMaterialId wanted = id.value<zkMaterialId>();
    if (wanted == m_id)
        return true;
    if (!leadsTo(wanted))
        return false;
    loader(this);
    for (int row = 0; zkModelItem *item = child(row); ++row) {
        if (static_cast<zkBaseMaterialItem *>(item)->loadChild(id, loader))
            return true;
    }
    return false;
}

bool zkBaseMaterialItem::leadsTo(const zkMaterialId &wanted) const
{
    const QVector<int> &path = m_id.getSubMaterialPath();
    const QVector<int> &wantedPath = wanted.getSubMaterialPath();
    if (wanted.getNodeId() == m_id.getNodeId())
        return wantedPath.size() > path.size() && std::equal(path.begin(), path.end(), wantedPath.begin());
    if (!path.isEmpty())
        return false;
    const zkdNode node = m_id.getNode();
    for (zkdNode above = wanted.getNode().getParent(); !above.isNull(); above = above.getParent()) {
        if (above == node)
            return true;
    }
    return false;
}

bool zkBaseMaterialItem::canSetData(int role, const QVariant &, int)
{
    return role != Qt::CheckStateRole;
}

void zkBaseMaterialItem::setChildItems(const QList<zkModelItem *> &items)
{
    m_sceneRows = items.size();
    setChildren(items);
}
