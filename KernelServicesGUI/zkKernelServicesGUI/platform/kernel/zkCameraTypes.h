#pragma once

#include <QObject>

// Enumerations of cameras and camera tools.
namespace zkCameraTypes {
Q_NAMESPACE

// The axes whose vanishing lines the perspective match aligns the camera with.
enum VanishingLinesType {
    XYZ = 0,
    XY = 1,
    XZ = 2,
    YZ = 3,
    ResetVanishingLines = 4 // puts the lines back to their defaults in the viewport
};
Q_ENUM_NS(VanishingLinesType)

} // namespace zkCameraTypes
