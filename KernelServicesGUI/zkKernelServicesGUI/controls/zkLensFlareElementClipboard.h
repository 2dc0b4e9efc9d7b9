#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

class zkdLensFlareElement;

// Lens-flare elements on the system clipboard, so that they can also be pasted into another
// running instance of the application. The payload is a versioned QDataStream of the elements'
// classes and values (a ghost line with its ghosts); references to other scene objects, such as
// images, only survive a paste into the process that copied them.
class zkLensFlareElementClipboard
{
public:
    zkLensFlareElementClipboard() = delete;

    using Values = QVector<QPair<QByteArray, QVariant>>;

    // One element as read from a payload: its kernel class and values, and the values of each
    // ghost when it is a ghost line.
    struct Element
    {
        QByteArray className;
        Values values;
        QVector<Values> ghosts;
    };

    struct Payload
    {
        // The process that wrote it; see session().
        quint64 session = 0;
        QVector<Element> elements;
    };

    static QString mimeType();
    // A random number that tells this process's payloads from those of other processes.
    static quint64 session();

    static QByteArray encode(const QList<zkdLensFlareElement> &elements);
    // False, leaving payload alone, for foreign, truncated or malformed bytes; touches no
    // kernel object.
    static bool decode(const QByteArray &bytes, Payload *payload);
    // New elements that belong to no effect; the caller destroys them when done.
    static QList<zkdLensFlareElement> createElements(const Payload &payload);

    // Puts the elements on the system clipboard.
    static void copy(const QList<zkdLensFlareElement> &elements);
    // Whether the system clipboard holds a payload of another process, and its contents.
    static bool hasForeignPayload();
    static bool foreignPayload(Payload *payload);
};
