#pragma once

#include <QObject>

// Enumerations of lens-flare effects and their elements.
namespace zkLensFlareTypes {
Q_NAMESPACE

// The kind of a lens-flare element; the value 5 is not used.
enum ElementType {
    GhostLine = 1,
    Glow = 2,
    Ring = 3,
    Starburst = 4,
    Streak = 6
};
Q_ENUM_NS(ElementType)

// A stock effect; choosing one other than Custom replaces the effect's elements.
enum PresetType {
    Custom = 0,
    HeadLampBlueSteel = 1,
    HeadLampRingBurst = 2,
    TailLampRadicalRed = 3,
    TailLampRubyRed = 4,
    SunWarm = 5,
    SunCool = 6,
    StreetLamp = 7
};
Q_ENUM_NS(PresetType)

// The outline of a glow or ghost: a circle, a regular polygon by its number of corners, or the
// element's image. Stored values come from outside too, so every int is a valid value.
enum ElementShape : int {
    Circle = 0,
    Triangle = 3,
    Quad = 4,
    Pentagon = 5,
    Hexagon = 6,
    Heptagon = 7,
    Octagon = 8,
    Nonagon = 9,
    Decagon = 10,
    TextureShape = 100
};
Q_ENUM_NS(ElementShape)

// The rays of a starburst. Stored values come from outside too, so every int is a valid value.
enum StarShape : int {
    Fan = 0,
    Spike = 1,
    Blade = 2,
    TextureStar = 100
};
Q_ENUM_NS(StarShape)

} // namespace zkLensFlareTypes
