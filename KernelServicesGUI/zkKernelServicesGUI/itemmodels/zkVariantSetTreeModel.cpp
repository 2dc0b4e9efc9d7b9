#include "zkVariantSetTreeModel.h"

#include "zkItemIdPayload.h"
#include "zkModelItem.h"
#include "zkVariantSetRootModelItem.h"

#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoString.h>
#include <zkdObjectManager.h>
#include <zkdVariantSet.h>
#include <zkdVariantSetGroup.h>

#include <QMimeData>

namespace {

const char *const undoContext = "zkVariantSetTreeModel";

} // namespace

zkVariantSetTreeModel::zkVariantSetTreeModel(QObject *parent)
    : zkItemModel(parent)
{
    setMimeType(QStringLiteral("application/zelk-variant-set-item"));
    setRootItem(new zkVariantSetRootModelItem);
    const zkdObjectManager *manager = zkdObjectManager::instance();
    connect(manager, &zkdObjectManager::propertyChanged, this,
            [this](const zkdObject &object, const QByteArray &name) {
                if (object.isTypeOf<zkdVariantSetBase>() && (name == "name" || name == "children" || name == "preview"))
                    kernelChanged();
            });
    connect(manager, &zkdObjectManager::objectDestroyed, this, [this](const zkdObject &object) {
        if (object.isTypeOf<zkdVariantSetBase>())
            kernelChanged();
    });
}

QVariant zkVariantSetTreeModel::itemId(const QModelIndex &index) const
{
    zkModelItem *item = nullptr;
    if (index.model() != this || !tryGetItem(index, item))
        return QVariant();
    return item->getId();
}

zkdVariantSet zkVariantSetTreeModel::getVariantSet(const QModelIndex &index) const
{
    const QVariant id = itemId(index);
    return id.canConvert<zkdVariantSet>() ? id.value<zkdVariantSet>() : zkdVariantSet();
}

zkdVariantSetGroup zkVariantSetTreeModel::getVariantSetGroup(const QModelIndex &index) const
{
    const QVariant id = itemId(index);
    return id.canConvert<zkdVariantSetGroup>() ? id.value<zkdVariantSetGroup>() : zkdVariantSetGroup();
}

zkdVariantSetBase zkVariantSetTreeModel::getVariantSetBase(const QModelIndex &index) const
{
    const zkdVariantSet set = getVariantSet(index);
    if (set.isValid())
        return set;
    const zkdVariantSetGroup group = getVariantSetGroup(index);
    if (group.isValid())
        return group;
    return zkdVariantSetBase();
}

QString zkVariantSetTreeModel::getName(const QModelIndex &index) const
{
    const zkdVariantSet set = getVariantSet(index);
    return set.isValid() ? set.getName() : getVariantSetGroup(index).getName();
}

QModelIndex zkVariantSetTreeModel::sourceModelIndex(const zkdVariantSetBase &base) const
{
    // Finding an index may populate items, which changes no state that callers can tell.
    return const_cast<zkVariantSetTreeModel *>(this)->indexFromId(toQVariant(base), 0);
}

QVariant zkVariantSetTreeModel::toQVariant(const zkdVariantSetBase &base)
{
    const zkdVariantSet set(base);
    if (set.isValid())
        return QVariant::fromValue(set);
    const zkdVariantSetGroup group(base);
    if (group.isValid())
        return QVariant::fromValue(group);
    return QVariant();
}

bool zkVariantSetTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    return guarded([&] { return zkItemModel::setData(index, value, role); });
}

bool zkVariantSetTreeModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                                            const QModelIndex &parent) const
{
    const QString type = mimeTypes().constFirst();
    if (!data || !data->hasFormat(type))
        return false;
    // Nothing but variant sets is ever dragged; any other id is a foreign payload.
    QVariantList ids;
    if (!zkItemIdPayload::decode(data->data(type), &ids) || ids.isEmpty())
        return false;
    for (const QVariant &id : qAsConst(ids)) {
        if (!id.canConvert<zkdVariantSet>())
            return false;
    }
    return zkItemModel::canDropMimeData(data, action, row, column, parent);
}

bool zkVariantSetTreeModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                                         const QModelIndex &parent)
{
    if (action == Qt::IgnoreAction || !canDropMimeData(data, action, row, column, parent))
        return false;
    const zkScopedUndo undo(true);
    const zkScopedMultiCommand step(zkUndoString(QT_TRANSLATE_NOOP("zkVariantSetTreeModel", "Move Variant Sets"),
                                                 undoContext));
    return guarded([&] {
        // The rows go where the kernel put the sets, also where it did not regroup one.
        m_reloadPending = true;
        return zkItemModel::dropMimeData(data, action, row, column, parent);
    });
}

void zkVariantSetTreeModel::kernelChanged()
{
    if (m_operationDepth > 0)
        m_reloadPending = true;
    else
        reload();
}

template <typename Operation>
bool zkVariantSetTreeModel::guarded(Operation operation)
{
    ++m_operationDepth;
    const bool result = operation();
    if (--m_operationDepth == 0 && m_reloadPending) {
        m_reloadPending = false;
        reload();
    }
    return result;
}
