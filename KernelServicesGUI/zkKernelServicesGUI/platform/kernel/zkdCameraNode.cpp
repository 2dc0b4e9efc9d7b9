#include "zkdCameraNode.h"

#include "zkScopedMultiCommand.h"
#include "zkUndoString.h"

QVector3D zkdCameraNode::getTranslation() const
{
    return property("translation").value<QVector3D>();
}

QQuaternion zkdCameraNode::getRotation() const
{
    return property("rotation").value<QQuaternion>();
}

void zkdCameraNode::setTransform(const QVector3D &translation, const QQuaternion &rotation) const
{
    const zkScopedMultiCommand step(zkUndoString("Camera Transform", "Camera Commands"));
    setProperty("translation", translation);
    setProperty("rotation", rotation);
}
