#pragma once

#include "zkdNode.h"

#include <QQuaternion>
#include <QVector3D>

// A camera of the scene: where it stands, where it looks and its field of view.
class zkdCameraNode : public zkdNode
{
    Q_GADGET
public:
    using zkdNode::zkdNode;

    QVector3D getTranslation() const;
    QQuaternion getRotation() const;
    // Edits of the translation and rotation properties, one undo step when an undo scope records.
    void setTransform(const QVector3D &translation, const QQuaternion &rotation) const;
};

Q_DECLARE_METATYPE(zkdCameraNode)
