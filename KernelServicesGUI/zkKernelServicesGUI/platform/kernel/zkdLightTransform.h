#pragma once

#include "zkdObject.h"

#include <QList>

class zkdBaseLightNode;
class zkdCameraNode;
class zkdNode;

// Copies placements between a light, cameras and other nodes. Each operation is one undo step
// when an undo scope records; a null argument makes it do nothing.
class zkdLightTransform : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    // The light the transform belongs to.
    zkdBaseLightNode getLight() const;

    // Puts the light where the camera is, looking where it looks.
    void setFromCamera(const zkdCameraNode &camera) const;
    // Puts the camera where the light is, looking where it shines.
    void applyToCamera(const zkdCameraNode &camera) const;
    // Puts the light at the centre of the nodes that have a place (nodes without one stand for
    // the centre of their children); with one node, the light also takes its orientation. The
    // light itself is left out of the nodes.
    void setFromNodes(const QList<zkdNode> &nodes) const;
};

Q_DECLARE_METATYPE(zkdLightTransform)
