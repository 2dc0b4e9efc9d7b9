#pragma once

#include <QByteArray>

class zkdObjectData;

// How the kernel derives texture values from an edit (class hooks, see zkdPropertyHook).
namespace zkdTextureCouplings {

// While uniformRepeat is on, the three triplanar repeats are kept equal.
void uniformRepeat(zkdObjectData &texture, const QByteArray &name);
// A mapping change of a linked texture is copied to the other linked textures of its material;
// a texture that joins the link takes over their mapping.
void linkedSettings(zkdObjectData &texture, const QByteArray &name);
// useCutout is one setting of the material, held by each of its textures that has it.
void sharedCutout(zkdObjectData &texture, const QByteArray &name);
// A bump texture uses its image exactly when its surface structure is "Texture".
void bumpSurfaceStructure(zkdObjectData &texture, const QByteArray &name);
// Inline mode is kept for an image whose source sequence is gone: the frames held in the scene
// are then all that is left of it.
void inlineImageSequence(zkdObjectData &owner, const QByteArray &name);

} // namespace zkdTextureCouplings
