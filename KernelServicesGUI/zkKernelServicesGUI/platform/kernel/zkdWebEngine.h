#pragma once

#include "zkdObject.h"

// A web page rendered into the scene, onto a material's texture slot.
class zkdWebEngine : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    // The material channel the page is shown in; the value 2 is not used.
    enum TextureSlotType {
        Diffuse = 0,
        Incandescence = 1,
        DiffuseAndIncandescence = 3
    };
    Q_ENUM(TextureSlotType)

    // Loads the page again: counts the reload property up, which is what the renderer follows.
    void reload() const;
};

Q_DECLARE_METATYPE(zkdWebEngine)
