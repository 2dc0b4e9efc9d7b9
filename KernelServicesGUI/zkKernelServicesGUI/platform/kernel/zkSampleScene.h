#pragma once

#include "zkdObject.h"

#include <QList>
#include <QString>

// Fills the in-memory kernel with a small but complete scene: materials of every kind in
// material groups (with their sub-objects and textures), environments, lights with a lens
// flare, a camera, scene plates, switch nodes and variant sets. Used by the demo application,
// the tests and the benchmarks.
class zkSampleScene
{
public:
    // Builds the scene once per process and returns its top-level objects: every scene
    // material, then the scene nodes (lights, camera, plates ...), then the variant sets.
    static const QList<zkdObject> &build();

    // The first object of the built scene whose name (its "name" property) is name.
    static zkdObject find(const QString &name);
};
