#pragma once

#include "zkdObject.h"

#include <QString>
#include <QVector3D>

// The intensity distribution of a light, taken from a photometric file in the IES format. The
// file's header is kept with the profile; load and the shape are undoable steps when an undo
// scope records.
class zkdLightProfile : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    bool getUseLightProfile() const;
    // An edit of the useLightProfile property.
    void setUseLightProfile(bool use) const;

    // The absolute path of the loaded file; empty before the first successful load.
    QString getAbsolutePath() const;
    // Reads the profile from an IES file; false, leaving the profile and the scene as they were,
    // when the file cannot be read or holds no complete profile, and the error then names the
    // file and the reason. Notifies the owning light's "lightProfile".
    bool load(const QString &path, QString *error = nullptr) const;
    // Gives the owning light the shape of the profile: the cone of a spot light spans the
    // profile's vertical angles, and the light's visualization is scaled to the luminous opening.
    void setLightProfileShape() const;

    float getLumensPerLamp() const;
    int getNumLuminaires() const;
    float getCandelaMultiplier() const;
    // 1 feet, 2 meters.
    unsigned getUnitsType() const;
    float getBallastFactor() const;
    // Width, length and height of the luminous opening.
    QVector3D getSize() const;
    // 1 type C, 2 type B, 3 type A.
    int getPhotometricType() const;
    int getNumVerticalAngles() const;
    float getInputWatts() const;
    int getNumHorizontalAngles() const;
};

Q_DECLARE_METATYPE(zkdLightProfile)
