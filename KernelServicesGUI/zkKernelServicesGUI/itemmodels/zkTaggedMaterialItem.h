#pragma once

#include "zkMaterialTagBaseItem.h"

#include <zkdMaterial.h>

#include <QString>

// A material below one of its tags; a material with several tags has one such item per tag.
class zkTaggedMaterialItem : public zkMaterialTagBaseItem
{
public:
    zkTaggedMaterialItem(const QString &tag, const zkdMaterial &material);

    const QString &getTag() const { return m_tag; }
    const zkdMaterial &getMaterial() const { return m_material; }

protected:
    void update() override;

private:
    QString m_tag;
    zkdMaterial m_material;
};
