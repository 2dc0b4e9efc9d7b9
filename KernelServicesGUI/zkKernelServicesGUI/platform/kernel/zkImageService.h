#pragma once

#include "zkBaseService.h"
#include "zkdImage.h"

#include <QString>

// Loads images into the scene and writes them back to files.
//
// The formats are told apart by content, not by suffix: Radiance and OpenEXR files are decoded
// here and tone-mapped to 8 bits per channel for display, since Qt 5 images hold no floating
// point pixels; the image keeps the file's own channel depth. Every other format goes through
// the Qt image plugins.
//
// The operations that can fail take an optional error string, which then names the file and
// the reason.
class zkImageService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkImageService(QObject *parent = nullptr);

    // A new image from a file; a file with several frames becomes an inlined image sequence.
    // Null when the file cannot be read.
    zkdImage loadImage(const QString &path, QString *error = nullptr) const;
    // Writes the image's pixels; the format follows the path's suffix.
    bool saveImage(const zkdImage &image, const QString &path, QString *error = nullptr) const;
    // Writes the frames of an inlined sequence into an existing directory as numbered PNG files
    // named after the image's file ("name_0001.png" ...). False for an image without a sequence.
    bool saveImageSequence(const zkdImage &image, const QString &directory, QString *error = nullptr) const;
};
