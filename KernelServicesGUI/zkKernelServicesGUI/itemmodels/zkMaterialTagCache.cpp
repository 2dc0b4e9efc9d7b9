#include "zkMaterialTagCache.h"

#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkdMaterial.h>

zkMaterialTagCache::zkMaterialTagCache()
    : m_materials(std::make_shared<QMultiMap<QString, zkdMaterial>>())
    , m_service(zkKernelServiceFactory::the().getService<zkMaterialService>())
{
}

void zkMaterialTagCache::addSceneMaterials()
{
    if (!m_service)
        return;
    const QList<zkdMaterial> materials = m_service->getSceneMaterials();
    for (const zkdMaterial &material : materials)
        addMaterial(material);
}

void zkMaterialTagCache::addMaterial(const zkdMaterial &material)
{
    const QStringList tags = material.getTags();
    for (const QString &tag : tags) {
        // A tag listed twice, or a material added twice, would give two rows with one id.
        if (!m_materials->contains(tag, material))
            m_materials->insert(tag, material);
    }
}

void zkMaterialTagCache::clear()
{
    m_materials->clear();
}

QList<QString> zkMaterialTagCache::getTags() const
{
    return m_materials->uniqueKeys();
}

QList<zkdMaterial> zkMaterialTagCache::getMaterialsWithTag(const QString &tag) const
{
    return m_materials->values(tag);
}
