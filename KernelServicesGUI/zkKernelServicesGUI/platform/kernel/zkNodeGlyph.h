#pragma once

#include <QByteArray>
#include <QIcon>

// Draws the icons of scene nodes: a glyph per kind of node (group, switch, light, camera, scene
// plate, light link set), at whatever size it is asked for.
class zkNodeGlyph
{
public:
    static QIcon icon(const QByteArray &typeName);
};
