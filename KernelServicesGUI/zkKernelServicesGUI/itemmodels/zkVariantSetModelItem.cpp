#include "zkVariantSetModelItem.h"

#include "zkVariantSetGroupModelItem.h"

#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>
#include <zkScopedUndo.h>
#include <zkVariantSetTypes.h>
#include <zkVariantSetsService.h>
#include <zkdVariantSetGroup.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

zkVariantSetModelItem::zkVariantSetModelItem(const zkdVariantSetBase &set)
    : m_set(set)
{
    setData(Qt::UserRole, QVariant::fromValue(zkVariantSetTypes::VariantSet));
    setEditable(true);
    const zkPlatformService *platform = zkKernelServiceFactory::the().getService<zkPlatformService>();
    setDragEnabled(!platform || !platform->isVariantSetDragDisabled());
    setDropEnabled(false);
}

int zkVariantSetModelItem::columnCount() const
{
    return 2;
}

QVariant zkVariantSetModelItem::getId()
{
    return QVariant::fromValue(m_set);
}

void zkVariantSetModelItem::update()
{
    setText(m_set.getName());
    const QImage preview = m_set.getPreview();
    if (preview.isNull())
        return;
    const zkPlatformService *platform = zkKernelServiceFactory::the().getService<zkPlatformService>();
    const double sx = platform ? platform->getScaleX() : 1.0;
    const double sy = platform ? platform->getScaleY() : 1.0;
    const QImage scaled = preview.scaled(int(16 * sx), int(16 * sy), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    setIcon(QIcon(QPixmap::fromImage(scaled)), 1);
}

bool zkVariantSetModelItem::canDropTo(zkModelItem *target, Qt::DropAction)
{
    return target && !dynamic_cast<zkVariantSetModelItem *>(target) && target != getParent();
}

void zkVariantSetModelItem::droppedFrom(zkModelItem *, int)
{
    if (m_set.isNull())
        return;
    const zkdVariantSetGroup oldGroup = m_set.getParent();
    if (oldGroup.isValid())
        oldGroup.removeVariantSet(m_set);
    zkdVariantSetGroup newGroup;
    if (const auto *group = dynamic_cast<const zkVariantSetGroupModelItem *>(getParent()))
        newGroup = group->getVariantSetGroup();
    else if (const auto *set = dynamic_cast<const zkVariantSetModelItem *>(getParent()))
        newGroup = set->m_set.getParent();
    if (newGroup.isValid())
        newGroup.addVariantSet(m_set);
}

void zkVariantSetModelItem::textChanged()
{
    const QString name = getText(0);
    const zkVariantSetsService *service = zkKernelServiceFactory::the().getService<zkVariantSetsService>();
    if (service && !name.isEmpty() && service->findVariantSet(name).isNull()) {
        const zkScopedUndo undo(true);
        m_set.setName(name);
        return;
    }
    update();
}
