#pragma once

#include <QString>
#include <QVector3D>
#include <QVector>

// The photometric header of a light profile in the IES format (LM-63): the numbers before the
// candela table.
struct zkIesProfile
{
    enum UnitsType : unsigned { Feet = 1, Meters = 2 };
    enum PhotometricType { TypeC = 1, TypeB = 2, TypeA = 3 };

    bool valid = false;
    int numLamps = 0;
    float lumensPerLamp = 0.0f;
    float candelaMultiplier = 0.0f;
    int numVerticalAngles = 0;
    int numHorizontalAngles = 0;
    int photometricType = 0;
    unsigned unitsType = 0;
    QVector3D size; // width, length, height of the luminous opening, in unitsType
    float ballastFactor = 0.0f;
    float inputWatts = 0.0f;
    QVector<float> verticalAngles;

    // Reads the header of a file; an invalid profile when the file cannot be read or its header
    // is incomplete.
    static zkIesProfile read(const QString &path);
    static zkIesProfile parse(const QByteArray &contents);
};
