#pragma once

#include <QString>

// The header of a ray file: UTF-8 text lines before the ray data, ended by the line "EndHeader".
// Each header line is "Key: value"; blank lines are ignored and "\r\n" line ends accepted.
//
//   NumberOfRays: 5000            required, a positive integer
//   LuminousPower: 1200.5         lumen, a finite number >= 0 (0 when absent)
//   ScalingFactor: 2              a finite number > 0 (1 when absent)
//   SpectralInformation: 550 nm   free text (empty when absent)
//   MaximumAngle: 30              degrees between the main direction and the widest ray,
//                                 in (0, 180] (0, "not said", when absent)
//   EndHeader
//
// The first line must be a header line, every key is one of these and appears once, and the
// header ends within its first 64 KiB; anything else is not a ray file.
struct zkRayFileHeader
{
    bool valid = false;
    int numberOfRays = 0;
    float luminousPower = 0.0f;
    float scalingFactor = 1.0f;
    QString spectralInformation;
    double maximumAngle = 0.0;

    // An invalid header when the file cannot be read or does not hold a ray file header; the
    // error then names the file and the reason.
    static zkRayFileHeader read(const QString &path, QString *error = nullptr);
    // As read, for the contents of a file; the error gives the reason only.
    static zkRayFileHeader parse(const QByteArray &contents, QString *error = nullptr);
};
