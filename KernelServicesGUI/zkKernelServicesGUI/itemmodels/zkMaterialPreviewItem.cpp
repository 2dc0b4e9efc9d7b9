#include "zkMaterialPreviewItem.h"

#include "zkItemDataRole.h"

#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkScopedUndo.h>
#include <zkdImage.h>

#include <QIcon>
#include <QImage>

zkMaterialPreviewItem::zkMaterialPreviewItem(const zkdMaterial &material)
    : m_material(material)
{
    setDragEnabled(true);
    setDropEnabled(true);
    setEditable(true);
    setEnabled(true);
}

void zkMaterialPreviewItem::refresh()
{
    reload();
}

QVariant zkMaterialPreviewItem::getId()
{
    return QVariant::fromValue<quint64>(m_material.getObjectId());
}

void zkMaterialPreviewItem::update()
{
    setText(m_material.getName());
    if (zkMaterialService *service = zkKernelServiceFactory::the().getService<zkMaterialService>())
        service->updatePreview(m_material);
    setData(zkItemDataRole::BaseImage, m_material.getPreviewImage().toQImage());
    // The icon follows the material's kind only; a QIcon never compares equal, so it is set once.
    if (!data(zkItemDataRole::OverlayIcon).isValid())
        setData(zkItemDataRole::OverlayIcon, m_material.getIcon());
}

void zkMaterialPreviewItem::textChanged()
{
    const zkScopedUndo undo(true);
    m_material.setName(getText(0));
}
