#include "zkdTextureCouplings.h"

#include "zkdBumpTexture.h"
#include "zkdClassInfo.h"
#include "zkdImage.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"

#include <algorithm>
#include <iterator>

namespace {

using ObjectData = std::shared_ptr<zkdObjectData>;

// The properties that place a texture on the surface, which linked textures share.
const QByteArray mappingProperties[] = {
    "connectRepeatModes", "repeatModeU", "repeatModeV", "useRealWorldScale", "textureSizeMM",
    "triplanarBlend", "uniformRepeat",
    "triplanarXRepeat", "triplanarXOffset", "triplanarXRotation",
    "triplanarYRepeat", "triplanarYOffset", "triplanarYRotation",
    "triplanarZRepeat", "triplanarZOffset", "triplanarZRotation",
    "planarProjectionCenter", "planarProjectionOrientation", "planarProjectionSize",
    "planarProjectionKeepAspectRatio", "repeat", "offset", "rotate", "planarProjectionSingleSided",
    "anisotropy", "textureMode",
};

const QByteArray triplanarRepeats[] = {"triplanarXRepeat", "triplanarYRepeat", "triplanarZRepeat"};

bool isMappingProperty(const QByteArray &name)
{
    return std::find(std::begin(mappingProperties), std::end(mappingProperties), name) != std::end(mappingProperties);
}

bool hasProperty(const zkdObjectData &object, const QByteArray &name)
{
    return object.classInfo().indexOf(name) >= 0;
}

// Set while a texture's change is copied to its siblings, whose own hooks must not copy it on.
bool propagating = false;

class PropagationGuard
{
public:
    PropagationGuard() : m_previous(propagating) { propagating = true; }
    ~PropagationGuard() { propagating = m_previous; }

private:
    const bool m_previous;
};

ObjectData owningMaterial(const zkdObjectData &texture)
{
    const zkdClassInfo *material = zkdObjectManager::classInfo(QByteArrayLiteral("zkdMaterial"));
    for (ObjectData owner = texture.owner(); owner; owner = owner->owner()) {
        if (owner->classInfo().inherits(material))
            return owner;
    }
    return ObjectData();
}

// The textures among the sub-objects of object, at any depth, in property order.
void collectTextures(const zkdObjectData &object, QVector<ObjectData> &textures)
{
    static const zkdClassInfo *texture = zkdObjectManager::classInfo(QByteArrayLiteral("zkdTexture"));
    const QVector<zkdPropertyInfo> &properties = object.classInfo().properties;
    for (int i = 0; i < properties.size(); ++i) {
        if (!(properties.at(i).flags & zkdPropertyInfo::SubObject))
            continue;
        const ObjectData child = zkdObjectManager::fromVariant(object.property(i)).ptr();
        if (!child)
            continue;
        if (child->classInfo().inherits(texture))
            textures.append(child);
        collectTextures(*child, textures);
    }
}

// The other textures of the material that owns texture.
QVector<ObjectData> siblingTextures(const zkdObjectData &texture)
{
    QVector<ObjectData> textures;
    if (const ObjectData material = owningMaterial(texture))
        collectTextures(*material, textures);
    textures.erase(std::remove_if(textures.begin(), textures.end(),
                                  [&](const ObjectData &other) { return other.get() == &texture; }),
                   textures.end());
    return textures;
}

bool isLinked(const zkdObjectData &texture)
{
    return texture.property(QByteArrayLiteral("linkTextureSettings")).toBool();
}

} // namespace

namespace zkdTextureCouplings {

void uniformRepeat(zkdObjectData &texture, const QByteArray &name)
{
    const bool repeatChanged = std::find(std::begin(triplanarRepeats), std::end(triplanarRepeats), name)
            != std::end(triplanarRepeats);
    if ((!repeatChanged && name != "uniformRepeat") || !texture.property(QByteArrayLiteral("uniformRepeat")).toBool())
        return;
    const QVariant repeat = texture.property(repeatChanged ? name : triplanarRepeats[0]);
    for (const QByteArray &other : triplanarRepeats)
        texture.setProperty(other, repeat);
}

void linkedSettings(zkdObjectData &texture, const QByteArray &name)
{
    const bool joined = name == "linkTextureSettings";
    if (propagating || (!joined && !isMappingProperty(name)) || !isLinked(texture))
        return;
    const QVector<ObjectData> siblings = siblingTextures(texture);
    PropagationGuard guard;
    if (joined) {
        const auto source = std::find_if(siblings.begin(), siblings.end(),
                                         [](const ObjectData &other) { return isLinked(*other); });
        if (source == siblings.end())
            return;
        for (const QByteArray &mapping : mappingProperties) {
            if (hasProperty(texture, mapping) && hasProperty(**source, mapping))
                texture.setProperty(mapping, (*source)->property(mapping));
        }
    } else {
        const QVariant value = texture.property(name);
        for (const ObjectData &other : siblings) {
            if (isLinked(*other) && hasProperty(*other, name))
                other->setProperty(name, value);
        }
    }
}

void sharedCutout(zkdObjectData &texture, const QByteArray &name)
{
    if (propagating || name != "useCutout")
        return;
    const QVariant value = texture.property(name);
    const QVector<ObjectData> siblings = siblingTextures(texture);
    PropagationGuard guard;
    for (const ObjectData &other : siblings) {
        if (hasProperty(*other, name))
            other->setProperty(name, value);
    }
}

void bumpSurfaceStructure(zkdObjectData &texture, const QByteArray &name)
{
    if (name == "surfaceStructure") {
        const bool textured = texture.property(name).toInt() == zkdBumpTexture::Texture;
        texture.setProperty(QByteArrayLiteral("useTexture"), textured);
    }
}

void inlineImageSequence(zkdObjectData &owner, const QByteArray &name)
{
    if (name != "inlineImageSequence" || owner.property(name).toBool())
        return;
    const zkdImage image = owner.property(QByteArrayLiteral("image")).value<zkdImage>();
    if (!image.isNull() && !image.sourceSequenceExists())
        owner.setProperty(name, true);
}

} // namespace zkdTextureCouplings
