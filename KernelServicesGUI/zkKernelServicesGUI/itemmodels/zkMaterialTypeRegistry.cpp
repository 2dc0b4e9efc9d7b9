#include "zkMaterialTypeRegistry.h"

#include "zkMaterialType.h"

#include <zkdMaterial.h>
#include <zkdObjectManager.h>

namespace {

struct Entry
{
    zkMaterialCategory category;
    const char *typeName;
    const char *name;
};

// In type order, from zkMaterialType::Invalid on.
const Entry entries[] = {
    {zkMaterialCategory::Invalid, "", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Invalid")},
    {zkMaterialCategory::Basic, "zkdPhongMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Phong")},
    {zkMaterialCategory::Plastic, "zkdPlasticMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Plastic")},
    {zkMaterialCategory::Plastic, "zkdReflectivePlasticMaterial",
     QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Reflective Plastic")},
    {zkMaterialCategory::Metal, "zkdChromeMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Chrome")},
    {zkMaterialCategory::Metal, "zkdLineChromeMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Line Chrome")},
    {zkMaterialCategory::Metal, "zkdBrushedMetalMaterial",
     QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Brushed Metal")},
    {zkMaterialCategory::Paint, "zkdUnicolorPaintMaterial",
     QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Unicolor Carpaint")},
    {zkMaterialCategory::Paint, "zkdMetallicPaintMaterial",
     QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Metallic Carpaint")},
    {zkMaterialCategory::Paint, "zkdFlipflopMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Flipflop Carpaint")},
    {zkMaterialCategory::Transparent, "zkdGlassMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Glass")},
    {zkMaterialCategory::Transparent, "zkdXRayMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "X-Ray")},
    {zkMaterialCategory::Special, "zkdCarbonMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Carbon")},
    {zkMaterialCategory::Special, "zkdCarbon2DMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Carbon 2D")},
    {zkMaterialCategory::Special, "zkdTireMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Tire")},
    {zkMaterialCategory::Special, "zkdVelvetMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Velvet")},
    {zkMaterialCategory::Special, "zkdWovenClothMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Woven Cloth")},
    {zkMaterialCategory::Measured, "zkdSubstanceMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Substance")},
    {zkMaterialCategory::Measured, "zkdXRiteMeasuredMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "X-Rite")},
    {zkMaterialCategory::Measured, "zkdOCSMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "OCS")},
    {zkMaterialCategory::Utility, "zkdShadowMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Shadow")},
    {zkMaterialCategory::Utility, "zkdLightPortalMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Light Portal")},
    {zkMaterialCategory::Multi, "zkdMultiPassMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Multi Pass")},
    {zkMaterialCategory::Multi, "zkdLayeredMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Layered")},
    {zkMaterialCategory::Multi, "zkdSwitchMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Switch")},
    {zkMaterialCategory::Environment, "zkdEnvironmentMaterial",
     QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Sphere Environment")},
    {zkMaterialCategory::Environment, "zkdSkylightMaterial", QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Skylight")},
    {zkMaterialCategory::Environment, "zkdEnvironmentSwitchMaterial",
     QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Environment Switch")},
    {zkMaterialCategory::Environment, "zkdSubstanceEnvironmentMaterial",
     QT_TRANSLATE_NOOP("zkMaterialTypeRegistry", "Substance Panorama")},
};

static_assert(sizeof(entries) / sizeof(entries[0]) == int(zkMaterialType::SubstanceEnvironment) + 1,
              "one entry per material type");

} // namespace

const zkMaterialTypeRegistry &zkMaterialTypeRegistry::getInstance()
{
    static const zkMaterialTypeRegistry registry;
    return registry;
}

zkMaterialTypeRegistry::zkMaterialTypeRegistry()
{
    qRegisterMetaType<zkMaterialType>("zkMaterialType");
    qRegisterMetaType<zkMaterialCategory>("zkMaterialCategory");
    for (int type = 0; type < entryCount; ++type) {
        const Entry &entry = entries[type];
        m_entries[type] = zkMaterialTypeInfo(type, int(entry.category), QString::fromLatin1(entry.typeName),
                                             tr(entry.name));
        if (type > 0) {
            m_typeIds[type] = zkdObjectManager::getTypeId(entry.typeName);
            m_infos.append(&m_entries[type]);
        }
    }
}

QList<int> zkMaterialTypeRegistry::getTypes() const
{
    QList<int> types;
    types.reserve(m_infos.size());
    for (const zkMaterialTypeInfo *info : m_infos)
        types.append(info->type);
    return types;
}

const zkMaterialTypeInfo &zkMaterialTypeRegistry::lookup(int type) const
{
    return type > 0 && type < entryCount ? m_entries[type] : m_entries[0];
}

const zkMaterialTypeInfo &zkMaterialTypeRegistry::lookup(const QString &typeName) const
{
    for (const zkMaterialTypeInfo *info : m_infos) {
        if (info->typeName == typeName)
            return *info;
    }
    return m_entries[0];
}

const zkMaterialTypeInfo &zkMaterialTypeRegistry::lookup(const zkdMaterial &material) const
{
    if (material.isNull())
        return m_entries[0];
    // Type ids stand one to one for class names.
    const quint64 typeId = material.getTypeId();
    for (int type = 1; type < entryCount; ++type) {
        if (m_typeIds[type] == typeId)
            return m_entries[type];
    }
    return m_entries[0];
}
