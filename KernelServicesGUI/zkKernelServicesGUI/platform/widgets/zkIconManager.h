#pragma once

class QIcon;
class QPixmap;
class QString;

// The product's icons, shipped as resources under ":/iconmanager/resources/".
// Unknown names give a null pixmap or icon.
class zkIconManager
{
public:
    zkIconManager() = delete;

    // The image at a path relative to the resource folder, such as "General/LockOffNormal.svg",
    // at its natural size.
    static QPixmap get(const QString &path);

    // The named icon (such as "Save"), in the given variant when there is one and in the
    // plain form otherwise. A name containing '/' is taken as a path as for get().
    static QIcon getIcon(const QString &name, const QString &variant);
};
