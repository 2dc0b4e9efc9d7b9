#pragma once

#include "zkdLensFlareElement.h"

#include <QList>

class zkdLensFlareGhost;

// A line of ghosts along the flare's axis. Creating and removing ghosts are undoable steps when
// an undo scope records and notify "ghosts" once the list holds the change.
class zkdLensFlareGhostLine : public zkdLensFlareElement
{
    Q_GADGET
public:
    using zkdLensFlareElement::zkdLensFlareElement;

    QList<zkdLensFlareGhost> getGhosts() const;
    // A new ghost at the distance (clamped to -5 ... 5), added last; null for a null line.
    zkdLensFlareGhost createGhost(double distance) const;
    // Removes the ghosts of the line among ghosts; others are ignored.
    void removeGhosts(const QList<zkdLensFlareGhost> &ghosts) const;
    // Adds ghosts that belong to no line yet at index (-1: at the end).
    void insertGhosts(const QList<zkdLensFlareGhost> &ghosts, int index = -1) const;
};

Q_DECLARE_METATYPE(zkdLensFlareGhostLine)
