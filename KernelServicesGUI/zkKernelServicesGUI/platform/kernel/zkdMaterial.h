#pragma once

#include "zkdImage.h"
#include "zkdObject.h"

#include <QIcon>
#include <QString>
#include <QStringList>

// A material of the scene: a name, free-text tags and the raytracing settings every material
// has. Handles of the material kinds derive from it.
class zkdMaterial : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    QString getName() const;
    // An edit of the name property: recorded when an undo scope records.
    void setName(const QString &name) const;

    QStringList getTags() const;
    void setTags(const QStringList &tags) const;

    // A swatch in the colour of the material's kind; null for a null material.
    QIcon getIcon() const;

    // The rendered preview, null until the material service first made one.
    zkdImage getPreviewImage() const;
    void setPreviewImage(const zkdImage &image) const;
};

Q_DECLARE_METATYPE(zkdMaterial)
