#include "zkMaterialService.h"

#include "zkMaterialSwatch.h"
#include "zkdClassInfo.h"
#include "zkdEnvironmentMaterial.h"
#include "zkdHierarchy.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"
#include "zkdSwitchMaterial.h"

#include <QVector3D>

#include <limits>

namespace {

// Sets a property of an object the kernel is still building, before anyone can undo it.
void initialize(const zkdObject &object, const char *name, const QVariant &value)
{
    const std::shared_ptr<zkdObjectData> data = object.ptr();
    const int index = data ? data->classInfo().indexOf(name) : -1;
    if (index >= 0)
        data->initializeProperty(index, value);
}

void collectMaterials(const zkdNode &node, QList<zkdMaterial> &materials)
{
    const zkdMaterialNode materialNode = zkd_cast<zkdMaterialNode>(node);
    if (!materialNode.isNull()) {
        const zkdMaterial material = materialNode.getMaterial();
        if (!material.isNull() && !materials.contains(material))
            materials.append(material);
    }
    const QList<zkdNode> children = node.getChildren();
    for (const zkdNode &child : children)
        collectMaterials(child, materials);
}

// The colour a material shows most: its first colour property of these, the colour of the
// sub-material a multi-material shows, or the colour of its kind.
QColor mainColor(const zkdMaterial &material)
{
    static const char *const colorProperties[] = {
        "diffuseColor", "baseColor", "exteriorColor", "reflectionColor", "occlusionColor",
    };
    for (const char *name : colorProperties) {
        const QVariant value = material.property(name);
        if (value.userType() == QMetaType::QVector3D) {
            const QVector3D rgb = value.value<QVector3D>();
            return QColor::fromRgbF(qBound(0.0f, rgb.x(), 1.0f), qBound(0.0f, rgb.y(), 1.0f), qBound(0.0f, rgb.z(), 1.0f));
        }
    }
    const zkdMultiMaterial multi = zkd_cast<zkdMultiMaterial>(material);
    if (multi.count() > 0) {
        const zkdSwitchMaterial switchMaterial = zkd_cast<zkdSwitchMaterial>(material);
        const zkdMaterial shown = multi.at(switchMaterial.isNull() ? 0 : switchMaterial.getChoice());
        if (!shown.isNull() && shown != material)
            return mainColor(shown);
    }
    return zkMaterialSwatch::typeColor(material.getTypeName().toUtf8());
}

} // namespace

zkMaterialService::zkMaterialService(QObject *parent)
    : zkBaseService(parent)
    , m_root(zkdObjectManager::create<zkdNode>())
    , m_defaultEnvironment(zkdObjectManager::create<zkdEnvironmentMaterial>())
{
    initialize(m_root, "name", tr("Materials"));
    initialize(m_defaultEnvironment, "name", tr("Default"));
}

QList<zkdMaterial> zkMaterialService::getSceneMaterials() const
{
    return getNodeMaterials(m_root);
}

QList<zkdMaterial> zkMaterialService::getNodeMaterials(const zkdNode &node) const
{
    QList<zkdMaterial> materials;
    if (!node.isNull())
        collectMaterials(node, materials);
    return materials;
}

zkdMaterialNode zkMaterialService::addMaterial(const zkdMaterial &material, const zkdNode &group)
{
    if (material.isNull())
        return zkdMaterialNode();
    const zkdMaterialNode node = zkdObjectManager::create<zkdMaterialNode>();
    initialize(node, "name", material.getName());
    initialize(node, "material", QVariant::fromValue(material));
    zkdHierarchy::instance().insert(group.isNull() ? m_root : group, std::numeric_limits<int>::max(),
                                    {node}, tr("Add Material"));
    return node;
}

zkdNode zkMaterialService::addMaterialGroup(const QString &name, const zkdNode &parent)
{
    const zkdNode group = zkdObjectManager::create<zkdNode>();
    initialize(group, "name", name);
    zkdHierarchy::instance().insert(parent.isNull() ? m_root : parent, std::numeric_limits<int>::max(),
                                    {group}, tr("Add Material Group"));
    return group;
}

void zkMaterialService::removeMaterial(const zkdMaterial &material)
{
    if (material.isNull())
        return;
    QList<zkdObject> nodes;
    QList<zkdNode> pending{m_root};
    while (!pending.isEmpty()) {
        const zkdNode node = pending.takeFirst();
        if (zkd_cast<zkdMaterialNode>(node).getMaterial() == material)
            nodes.append(node);
        pending += node.getChildren();
    }
    if (!nodes.isEmpty())
        zkdHierarchy::instance().detach(nodes, tr("Remove Material"));
}

void zkMaterialService::moveNodes(const zkdNode &group, int index, const QList<zkdNode> &nodes)
{
    // Only nodes of the material tree, and only into it.
    if (group != m_root && !zkdHierarchy::instance().isAncestor(m_root, group))
        return;
    QList<zkdObject> moved;
    for (const zkdNode &node : nodes) {
        if (zkdHierarchy::instance().isAncestor(m_root, node))
            moved.append(node);
    }
    zkdHierarchy::instance().insert(group, index, moved, tr("Move Materials"));
}

void zkMaterialService::removeNodes(const QList<zkdNode> &nodes)
{
    QList<zkdObject> removed;
    for (const zkdNode &node : nodes) {
        if (zkdHierarchy::instance().isAncestor(m_root, node))
            removed.append(node);
    }
    if (!removed.isEmpty())
        zkdHierarchy::instance().detach(removed, tr("Remove Materials"));
}

void zkMaterialService::updatePreview(const zkdMaterial &material)
{
    if (!material.isValid())
        return;
    const QImage preview = zkMaterialSwatch::render(mainColor(material), previewSize);
    const zkdImage image = material.getPreviewImage();
    if (image.isNull())
        material.setPreviewImage(zkdImage::create(preview));
    else
        image.setImage(preview);
}

void zkMaterialService::refresh()
{
    emit refreshed();
}
