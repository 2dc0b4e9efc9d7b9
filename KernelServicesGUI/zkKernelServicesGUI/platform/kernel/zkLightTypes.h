#pragma once

#include <QObject>

// Enumerations of the light nodes.
namespace zkLightTypes {
Q_NAMESPACE

// The unit of a light's intensity.
enum Unit {
    LuminousFlux = 0,      // lm
    LuminousIntensity = 1, // cd
    LuminousEmittance = 2, // lm/m²
    Luminance = 3          // cd/m²
};
Q_ENUM_NS(Unit)

// How the light falls off with distance.
enum Attenuation {
    NoAttenuation = 0,
    LinearAttenuation = 1,
    RealisticAttenuation = 2
};
Q_ENUM_NS(Attenuation)

} // namespace zkLightTypes
