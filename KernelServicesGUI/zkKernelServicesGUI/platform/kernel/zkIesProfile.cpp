#include "zkIesProfile.h"

#include <QFile>
#include <QList>

zkIesProfile zkIesProfile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return zkIesProfile();
    return parse(file.readAll());
}

zkIesProfile zkIesProfile::parse(const QByteArray &contents)
{
    // Everything up to the TILT line is free text and keywords; the numbers follow it.
    const int tilt = contents.indexOf("TILT=");
    if (tilt < 0)
        return zkIesProfile();
    const int lineEnd = contents.indexOf('\n', tilt);
    if (lineEnd < 0)
        return zkIesProfile();
    const QByteArray tiltValue = contents.mid(tilt + 5, lineEnd - tilt - 5).trimmed();
    const QList<QByteArray> tokens = contents.mid(lineEnd + 1).simplified().split(' ');

    int at = 0;
    bool ok = true;
    const auto next = [&]() -> double {
        if (at >= tokens.size()) {
            ok = false;
            return 0.0;
        }
        bool parsed = false;
        const double value = tokens.at(at++).toDouble(&parsed);
        ok = ok && parsed;
        return value;
    };

    // An included tilt table: lamp-to-luminaire geometry, the number of pairs, angles, factors.
    if (tiltValue == "INCLUDE") {
        next();
        const int pairs = int(next());
        for (int i = 0; ok && i < 2 * pairs; ++i)
            next();
    }

    zkIesProfile profile;
    profile.numLamps = int(next());
    profile.lumensPerLamp = float(next());
    profile.candelaMultiplier = float(next());
    profile.numVerticalAngles = int(next());
    profile.numHorizontalAngles = int(next());
    profile.photometricType = int(next());
    profile.unitsType = unsigned(next());
    const float width = float(next());
    const float length = float(next());
    const float height = float(next());
    profile.size = QVector3D(width, length, height);
    profile.ballastFactor = float(next());
    next(); // reserved for the ballast-lamp photometric factor
    profile.inputWatts = float(next());
    for (int i = 0; ok && i < profile.numVerticalAngles; ++i)
        profile.verticalAngles.append(float(next()));
    profile.valid = ok && profile.numVerticalAngles > 0 && profile.numHorizontalAngles > 0;
    return profile.valid ? profile : zkIesProfile();
}
