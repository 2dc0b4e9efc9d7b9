#pragma once

#include "zkModelItem.h"

#include <zkdMaterial.h>

// One material of a zkMaterialPreviewModel: its name, its rendered preview as the base image and
// its type icon as the overlay (zkItemDataRole::BaseImage and OverlayIcon).
class zkMaterialPreviewItem : public zkModelItem
{
public:
    explicit zkMaterialPreviewItem(const zkdMaterial &material);

    const zkdMaterial &getMaterial() const { return m_material; }
    // Renders the preview anew and rereads name and image.
    void refresh();

    // The material's object id, as a QVariant of quint64.
    QVariant getId() override;

protected:
    void update() override;
    void textChanged() override;

private:
    zkdMaterial m_material;
};
