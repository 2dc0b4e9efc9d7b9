#include "zkLightService.h"

#include "zkScopedMultiCommand.h"
#include "zkUndoString.h"
#include "zkdClassInfo.h"
#include "zkdLensFlareEffect.h"
#include "zkdLensFlareGhostLine.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"
#include "zkdPointLightNode.h"
#include "zkdScene.h"

namespace {

const char *const undoContext = "Light Commands";

// A new object of object's class with its values; a ghost line's ghosts are copied too.
template <typename T>
T copyOf(const T &object)
{
    const std::shared_ptr<zkdObjectData> source = object.ptr();
    if (!source)
        return T();
    const T copy = zkd_cast<T>(zkdObjectManager::create(source->classInfo().metaObject->className()));
    const std::shared_ptr<zkdObjectData> data = copy.ptr();
    const QVector<zkdPropertyInfo> &properties = source->classInfo().properties;
    for (int i = 0; i < properties.size(); ++i) {
        if ((properties.at(i).flags & zkdPropertyInfo::Writable) && !(properties.at(i).flags & zkdPropertyInfo::SubObject))
            data->initializeProperty(i, source->property(i));
    }
    if (object.template isTypeOf<zkdLensFlareGhostLine>()) {
        QList<zkdLensFlareGhost> ghosts;
        for (const zkdLensFlareGhost &ghost : zkd_cast<zkdLensFlareGhostLine>(object).getGhosts()) {
            const zkdLensFlareGhost ghostCopy = copyOf(ghost);
            ghostCopy.ptr()->setOwner(data);
            ghosts.append(ghostCopy);
        }
        data->initializeProperty(data->classInfo().indexOf("ghosts"), QVariant::fromValue(ghosts));
    }
    return copy;
}

template <typename T>
QList<T> copiesOf(const QList<T> &objects)
{
    QList<T> copies;
    for (const T &object : objects) {
        if (object.isValid())
            copies.append(copyOf(object));
    }
    return copies;
}

template <typename T>
void destroyAll(const QList<T> &objects)
{
    for (const T &object : objects)
        zkdObjectManager::destroy(object);
}

} // namespace

zkLightService::zkLightService(QObject *parent)
    : zkBaseService(parent)
{
}

void zkLightService::setSelectedLights(const QList<zkdBaseLightNode> &lights)
{
    if (lights == m_selectedLights)
        return;
    m_selectedLights = lights;
    emit lightSelectionChanged(m_selectedLights);
}

QList<zkdBaseLightNode> zkLightService::getLightNodes() const
{
    return zkdScene::lightNodes(zkdScene::root());
}

void zkLightService::copyElements(const QList<zkdLensFlareElement> &elements)
{
    const QList<zkdLensFlareElement> copies = copiesOf(elements);
    if (copies.isEmpty())
        return;
    destroyAll(m_copiedElements);
    m_copiedElements = copies;
}

void zkLightService::pasteElements(const zkdPointLightNode &light)
{
    const zkdLensFlareEffect effect = light.getLensFlareEffect();
    if (effect.isValid() && hasCopiedElements())
        effect.insertElements(copiesOf(m_copiedElements));
}

void zkLightService::duplicateElements(const zkdPointLightNode &light, const QList<zkdLensFlareElement> &elements)
{
    const zkdLensFlareEffect effect = light.getLensFlareEffect();
    if (!effect.isValid())
        return;
    const zkScopedMultiCommand step(zkUndoString("Duplicate Lens Flare Elements", undoContext));
    for (const zkdLensFlareElement &element : elements) {
        const int index = effect.getLensFlareElements().indexOf(element);
        if (index >= 0)
            effect.insertElements({copyOf(element)}, index + 1);
    }
}

void zkLightService::setSelectedElements(const QList<zkdLensFlareElement> &elements)
{
    m_selectedElements = elements;
    emit lensFlareElementSelectionChanged(m_selectedElements);
}

void zkLightService::copyGhosts(const QList<zkdLensFlareGhost> &ghosts)
{
    const QList<zkdLensFlareGhost> copies = copiesOf(ghosts);
    if (copies.isEmpty())
        return;
    destroyAll(m_copiedGhosts);
    m_copiedGhosts = copies;
}

void zkLightService::pasteGhosts(const zkdLensFlareGhostLine &ghostLine)
{
    if (ghostLine.isValid() && hasCopiedGhosts())
        ghostLine.insertGhosts(copiesOf(m_copiedGhosts));
}

void zkLightService::duplicateGhosts(const QList<zkdLensFlareGhost> &ghosts)
{
    const zkScopedMultiCommand step(zkUndoString("Duplicate Ghosts", "Light Editor"));
    for (const zkdLensFlareGhost &ghost : ghosts) {
        const std::shared_ptr<zkdObjectData> data = ghost.ptr();
        const std::shared_ptr<zkdObjectData> owner = data ? data->owner() : nullptr;
        const auto line = owner ? zkd_cast<zkdLensFlareGhostLine>(owner->handle()) : zkdLensFlareGhostLine();
        const int index = line.getGhosts().indexOf(ghost);
        if (index >= 0)
            line.insertGhosts({copyOf(ghost)}, index + 1);
    }
}

void zkLightService::setSelectedGhosts(const QList<zkdLensFlareGhost> &ghosts)
{
    m_selectedGhosts = ghosts;
    emit lensFlareGhostSelectionChanged(m_selectedGhosts);
}
