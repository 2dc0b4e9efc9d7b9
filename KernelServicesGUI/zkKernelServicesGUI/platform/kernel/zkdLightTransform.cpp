#include "zkdLightTransform.h"

#include "zkScopedMultiCommand.h"
#include "zkUndoString.h"
#include "zkdBaseLightNode.h"
#include "zkdCameraNode.h"
#include "zkdObjectData.h"

#include <QQuaternion>
#include <QVector3D>

#include <optional>

namespace {

const char *const undoContext = "Light Commands";

// The place of a node: its own translation, else the centre of its children's places.
std::optional<QVector3D> placeOf(const zkdNode &node)
{
    const QVariant translation = node.property("translation");
    if (translation.isValid())
        return translation.value<QVector3D>();
    QVector3D sum;
    int count = 0;
    for (const zkdNode &child : node.getChildren()) {
        if (const std::optional<QVector3D> place = placeOf(child)) {
            sum += *place;
            ++count;
        }
    }
    return count ? std::optional<QVector3D>(sum / float(count)) : std::nullopt;
}

} // namespace

zkdBaseLightNode zkdLightTransform::getLight() const
{
    const std::shared_ptr<zkdObjectData> data = ptr();
    const std::shared_ptr<zkdObjectData> owner = data ? data->owner() : nullptr;
    return owner ? zkd_cast<zkdBaseLightNode>(owner->handle()) : zkdBaseLightNode();
}

void zkdLightTransform::setFromCamera(const zkdCameraNode &camera) const
{
    const zkdBaseLightNode light = getLight();
    if (light.isNull() || camera.isNull())
        return;
    const zkScopedMultiCommand step(zkUndoString("Light Transform from Camera", undoContext));
    light.setProperty("translation", camera.getTranslation());
    light.setProperty("rotation", camera.getRotation());
}

void zkdLightTransform::applyToCamera(const zkdCameraNode &camera) const
{
    const zkdBaseLightNode light = getLight();
    if (light.isNull() || camera.isNull())
        return;
    const zkScopedMultiCommand step(zkUndoString("Camera Transform from Light", undoContext));
    camera.setTransform(light.property("translation").value<QVector3D>(),
                        light.property("rotation").value<QQuaternion>());
}

void zkdLightTransform::setFromNodes(const QList<zkdNode> &nodes) const
{
    const zkdBaseLightNode light = getLight();
    if (light.isNull())
        return;
    QVector3D sum;
    QList<zkdNode> placed;
    for (const zkdNode &node : nodes) {
        if (node.isNull() || node == light)
            continue;
        if (const std::optional<QVector3D> place = placeOf(node)) {
            sum += *place;
            placed.append(node);
        }
    }
    if (placed.isEmpty())
        return;
    const zkScopedMultiCommand step(zkUndoString("Light Transform from Nodes", undoContext));
    light.setProperty("translation", sum / float(placed.size()));
    const QVariant rotation = placed.first().property("rotation");
    if (placed.size() == 1 && rotation.isValid())
        light.setProperty("rotation", rotation);
}
