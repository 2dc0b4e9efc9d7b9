#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector3D>
#include <QVector>

// A light profile in the IES format (LM-63 of 1986, 1991, 1995 or 2002): the text before the
// TILT line, the tilt table, the photometric header and the candela table.
struct zkIesProfile
{
    enum Version { Version1986, Version1991, Version1995, Version2002 };
    enum UnitsType : unsigned { Feet = 1, Meters = 2 };
    enum PhotometricType { TypeC = 1, TypeB = 2, TypeA = 3 };
    enum class Tilt { None, Include };

    struct Keyword
    {
        QByteArray name;
        QString value;
    };

    bool valid = false;
    Version version = Version1986;
    // The free text lines of a 1986 file; later versions hold keyword lines instead, with the
    // "[MORE]" lines joined to the keyword they continue by a line break.
    QStringList labels;
    QVector<Keyword> keywords;

    Tilt tilt = Tilt::None;
    // 1 vertical base-up or base-down, 2 horizontal, 3 horizontal rotated by the tilt angle.
    int lampToLuminaireGeometry = 0;
    QVector<float> tiltAngles;
    QVector<float> tiltFactors;

    int numLamps = 0;
    float lumensPerLamp = 0.0f; // -1 for absolute photometry
    float candelaMultiplier = 0.0f;
    int numVerticalAngles = 0;
    int numHorizontalAngles = 0;
    int photometricType = 0;
    unsigned unitsType = 0;
    QVector3D size; // width, length, height of the luminous opening, in unitsType
    float ballastFactor = 0.0f;
    // The ballast-lamp photometric factor of 1986 and 1991 files, reserved later.
    float ballastLampFactor = 0.0f;
    float inputWatts = 0.0f;
    QVector<float> verticalAngles;
    QVector<float> horizontalAngles;
    // One run of numVerticalAngles values per horizontal angle, before the multiplier.
    QVector<float> candela;

    // The value of the first keyword of that name (without brackets); empty when there is none.
    QString keyword(const QByteArray &name) const;

    // An invalid profile when the file cannot be read or is not a complete profile; the error
    // then names the file and the reason.
    static zkIesProfile read(const QString &path, QString *error = nullptr);
    // As read, for the contents of a file; the error gives the reason only.
    static zkIesProfile parse(const QByteArray &contents, QString *error = nullptr);
};
