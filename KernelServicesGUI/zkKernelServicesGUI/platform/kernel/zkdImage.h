#pragma once

#include "zkdObject.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// An image held by the scene: the pixels, the file they came from and, for an image sequence
// stored inside the scene, its frames. A null handle is the empty image.
class zkdImage : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    // A new image object; frames make it an inlined image sequence whose first frame is image.
    // The format name ("PNG", "EXR" ...) and the bits per channel describe the file as decoded,
    // which for a high dynamic range file differs from the 8-bit pixels it is shown with.
    static zkdImage create(const QImage &image, const QString &fileName = QString(),
                           const QList<QImage> &frames = QList<QImage>(), const QString &formatName = QString(),
                           int bitsPerChannel = 0);

    // The path the image was loaded from, as given.
    QString getFileName() const;
    QString getAbsolutePath() const;
    bool hasInlinedSequence() const;
    // Whether the file the image was loaded from, from which its sequence's frames are read, is
    // still there; false for an image without a file.
    bool sourceSequenceExists() const;
    QList<QImage> getFrames() const;

    // The decoded size, kept when the pixels are replaced.
    QSize getSize() const;
    int getWidth() const { return getSize().width(); }
    int getHeight() const { return getSize().height(); }
    // Empty and 0 when unknown, as for an image made in memory.
    QString getFormatName() const;
    int getBitsPerChannel() const;

    bool getPremultipliedAlpha() const;
    void setPremultipliedAlpha(bool premultiplied) const;

    // The pixels; a null QImage for the empty image.
    QImage toQImage() const;
    // Replaces the pixels of a derived image (a preview); not an undoable edit.
    void setImage(const QImage &image) const;
};

Q_DECLARE_METATYPE(zkdImage)
