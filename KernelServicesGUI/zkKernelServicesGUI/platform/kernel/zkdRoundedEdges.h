#pragma once

#include "zkdObject.h"

// Edges rounded at render time, between geometries, materials or groups.
class zkdRoundedEdges : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    enum EdgeMode {
        Off,
        SameGeometry,
        SameMaterial,
        SameGroup
    };
    Q_ENUM(EdgeMode)

    enum EdgeType {
        ConvexAndConcave,
        ConvexOnly,
        ConcaveOnly
    };
    Q_ENUM(EdgeType)
};

Q_DECLARE_METATYPE(zkdRoundedEdges)
