#pragma once

#include "zkLensFlareTypes.h"
#include "zkdObject.h"

#include <QList>
#include <QString>

class zkdLensFlareElement;

// The lens flare of a point or spot light: overall settings and the list of elements. Creating
// and removing elements are undoable steps when an undo scope records and notify
// "lensFlareElements" once the list holds the change.
class zkdLensFlareEffect : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    QList<zkdLensFlareElement> getLensFlareElements() const;
    // A new element of the type, named name and added last; null for a null effect or an
    // unknown type.
    zkdLensFlareElement createLensFlareElement(const QString &name, zkLensFlareTypes::ElementType type) const;
    // Removes the effect's elements among elements; others are ignored.
    void removeElements(const QList<zkdLensFlareElement> &elements) const;
    // Adds elements that belong to no effect yet at index (-1: at the end).
    void insertElements(const QList<zkdLensFlareElement> &elements, int index = -1) const;
    // Replaces every element by those of a preset (nothing for Custom).
    void applyPreset(zkLensFlareTypes::PresetType preset) const;

    // The kernel class of the elements of a type; empty for an unknown type.
    static QByteArray elementClassName(zkLensFlareTypes::ElementType type);
};

Q_DECLARE_METATYPE(zkdLensFlareEffect)
