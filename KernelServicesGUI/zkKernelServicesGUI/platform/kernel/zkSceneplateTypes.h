#pragma once

#include <QObject>

// Enumerations of scene plates, the image, text or web content drawn in front of or behind the
// scene.
namespace zkSceneplateTypes {
Q_NAMESPACE

enum NodeType {
    Frontplate = 0,
    Backplate = 1
};
Q_ENUM_NS(NodeType)

enum ContentType {
    Image = 0,
    Text = 1,
    Web = 2
};
Q_ENUM_NS(ContentType)

// How the plate's image fills the plate.
enum RepeatMode {
    Repeat = 0,
    Mirror = 1,
    Decal = 2,
    Clamp = 3
};
Q_ENUM_NS(RepeatMode)

// The anchor of the plate within the viewport.
enum Position {
    TopLeft = 0,
    Top = 1,
    TopRight = 2,
    Left = 3,
    Center = 4,
    Right = 5,
    BottomLeft = 6,
    Bottom = 7,
    BottomRight = 8
};
Q_ENUM_NS(Position)

// Absolute sizes and offsets are in pixels, relative ones fractions of the viewport.
enum SizeType {
    Absolute = 0,
    Relative = 1
};
Q_ENUM_NS(SizeType)

} // namespace zkSceneplateTypes
