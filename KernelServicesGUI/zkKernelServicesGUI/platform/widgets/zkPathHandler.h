#pragma once

class QString;

// The directory in which file dialogs open: the one last used, shared by the whole application.
class zkPathHandler
{
public:
    zkPathHandler() = delete;

    // The home directory until a path has been set.
    static QString getRecentPath();
    static void setRecentPath(const QString &path);
};
