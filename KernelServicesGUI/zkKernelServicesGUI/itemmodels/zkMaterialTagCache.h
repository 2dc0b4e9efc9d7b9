#pragma once

#include <zkdMaterial.h>

#include <QList>
#include <QMultiMap>
#include <QString>

#include <memory>

class zkMaterialService;

// The tag-to-material relation of the scene, read from the kernel once and then served to the
// tag model's items. Copies share the relation, so an owner that refills its cache refills it
// for every item built from it.
class zkMaterialTagCache
{
public:
    // Takes the material service from the service factory; without one the cache can only be
    // filled material by material.
    zkMaterialTagCache();

    // Adds every material of the scene, in the order the service gives them.
    void addSceneMaterials();
    // Stores material under each of its tags.
    void addMaterial(const zkdMaterial &material);
    void clear();

    // Each tag once, in tag order.
    QList<QString> getTags() const;
    // The materials stored under tag, the most recently added first.
    QList<zkdMaterial> getMaterialsWithTag(const QString &tag) const;

private:
    std::shared_ptr<QMultiMap<QString, zkdMaterial>> m_materials;
    zkMaterialService *m_service = nullptr;
};
