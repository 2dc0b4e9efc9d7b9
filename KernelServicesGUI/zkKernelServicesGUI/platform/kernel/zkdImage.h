#pragma once

#include "zkdObject.h"

#include <QImage>
#include <QList>
#include <QString>

// An image held by the scene: the pixels, the file they came from and, for an image sequence
// stored inside the scene, its frames. A null handle is the empty image.
class zkdImage : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    // A new image object; frames make it an inlined image sequence whose first frame is image.
    static zkdImage create(const QImage &image, const QString &fileName = QString(),
                           const QList<QImage> &frames = QList<QImage>());

    // The path the image was loaded from, as given.
    QString getFileName() const;
    QString getAbsolutePath() const;
    bool hasInlinedSequence() const;
    QList<QImage> getFrames() const;

    bool getPremultipliedAlpha() const;
    void setPremultipliedAlpha(bool premultiplied) const;

    // The pixels; a null QImage for the empty image.
    QImage toQImage() const;
    // Replaces the pixels of a derived image (a preview); not an undoable edit.
    void setImage(const QImage &image) const;
};

Q_DECLARE_METATYPE(zkdImage)
