#pragma once

#include <QString>

// The header of a ray file: text lines "Key: value" before the ray data, up to the first empty
// line or the line "EndHeader". Known keys: NumberOfRays, LuminousPower (lm), ScalingFactor,
// SpectralInformation, MaximumAngle (degrees between the main direction and the widest ray).
struct zkRayFileHeader
{
    bool valid = false;
    int numberOfRays = 0;
    float luminousPower = 0.0f;
    float scalingFactor = 1.0f;
    QString spectralInformation;
    double maximumAngle = 0.0; // 0 when the file does not say

    // An invalid header when the file cannot be read.
    static zkRayFileHeader read(const QString &path);
    static zkRayFileHeader parse(const QByteArray &contents);
};
