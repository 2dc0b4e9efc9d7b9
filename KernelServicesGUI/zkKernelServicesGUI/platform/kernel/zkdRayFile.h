#pragma once

#include "zkdObject.h"

#include <QString>

class zkdRayFileInfo;

// The measured rays a ray light emits, read from a file. Setting the file name reads the file's
// header; a name whose file cannot be read is put back, with a warning. load, reload and setTo
// are undoable steps when an undo scope records and notify "fileName" (with the header rows and
// the ray file info).
class zkdRayFile : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    QString getFileName() const;
    zkdRayFileInfo getRayFileInfo() const;
    // True while a file was read.
    bool isLoaded() const;

    // Reads the header of a ray file (zkRayFileHeader); an empty path unloads the file. False,
    // leaving the ray file and the scene as they were, when the file cannot be read or is not a
    // ray file; the error then names the file and the reason.
    bool load(const QString &path, QString *error = nullptr) const;
    // Reads the current file again, as load does.
    bool reload(QString *error = nullptr) const;
    // Makes this ray file hold the same file as other.
    void setTo(const zkdRayFile &other) const;
};

Q_DECLARE_METATYPE(zkdRayFile)
