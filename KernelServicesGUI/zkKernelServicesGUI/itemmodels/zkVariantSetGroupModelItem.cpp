#include "zkVariantSetGroupModelItem.h"

#include "zkVariantSetModelItem.h"

#include <zkIconManager.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>
#include <zkScopedUndo.h>
#include <zkVariantSetTypes.h>
#include <zkVariantSetsService.h>
#include <zkdVariantSet.h>

#include <QIcon>

zkVariantSetGroupModelItem::zkVariantSetGroupModelItem(const zkdVariantSetGroup &group)
    : m_group(group)
{
    setData(Qt::UserRole, QVariant::fromValue(zkVariantSetTypes::Group));
    setIcon(zkIconManager::getIcon(QStringLiteral("scenegraph/FolderClosed.svg"), QString()));
    setEditable(true);
    const zkPlatformService *platform = zkKernelServiceFactory::the().getService<zkPlatformService>();
    const bool movable = !platform || !platform->isVariantSetDragDisabled();
    setDragEnabled(movable);
    setDropEnabled(movable);
}

int zkVariantSetGroupModelItem::columnCount() const
{
    return 2;
}

QVariant zkVariantSetGroupModelItem::getId()
{
    return QVariant::fromValue(m_group);
}

void zkVariantSetGroupModelItem::update()
{
    setText(m_group.getName());
    setChildren(createChildList());
}

bool zkVariantSetGroupModelItem::canDropTo(zkModelItem *, Qt::DropAction)
{
    return false;
}

void zkVariantSetGroupModelItem::textChanged()
{
    const QString name = getText(0);
    const zkVariantSetsService *service = zkKernelServiceFactory::the().getService<zkVariantSetsService>();
    if (service && !name.isEmpty() && service->findVariantSetGroup(name).isNull()) {
        const zkScopedUndo undo(true);
        m_group.setName(name);
        return;
    }
    update();
}

bool zkVariantSetGroupModelItem::loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader)
{
    if (!id.canConvert<zkdVariantSet>())
        return zkModelItem::loadChild(id, loader);
    if (id.value<zkdVariantSet>().getParent() != m_group)
        return false;
    loader(this);
    return true;
}

QList<zkModelItem *> zkVariantSetGroupModelItem::createChildList() const
{
    QList<zkModelItem *> items;
    for (const zkdVariantSetBase &child : m_group.getChildren()) {
        const zkdVariantSet set(child);
        if (!set.isNull() && set.isValid())
            items.append(new zkVariantSetModelItem(set));
    }
    return items;
}
