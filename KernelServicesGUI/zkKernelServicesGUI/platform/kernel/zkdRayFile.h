#pragma once

#include "zkdObject.h"

#include <QString>

class zkdRayFileInfo;

// The measured rays a ray light emits, read from a file. Setting the file name reads the file's
// header. load, reload and setTo are undoable steps when an undo scope records and notify
// "fileName" (with the header rows and the ray file info).
class zkdRayFile : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    QString getFileName() const;
    zkdRayFileInfo getRayFileInfo() const;
    // True while a file was read.
    bool isLoaded() const;

    void load(const QString &path) const;
    // Reads the current file again.
    void reload() const;
    // Makes this ray file hold the same file as other.
    void setTo(const zkdRayFile &other) const;
};

Q_DECLARE_METATYPE(zkdRayFile)
