#pragma once

class QString;

// File name helpers.
class zkFile
{
public:
    zkFile() = delete;

    // Replaces each $(NAME) and ${NAME} by the value of the environment variable NAME. References to
    // variables that are not set stay as written, so a name without (known) variables comes back
    // unchanged.
    static QString expandFilename(const QString &fileName);
};
