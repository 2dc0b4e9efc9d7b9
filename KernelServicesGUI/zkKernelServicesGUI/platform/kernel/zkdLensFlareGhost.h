#pragma once

#include "zkdObject.h"

#include <QString>
#include <QVector3D>

// A reflection of the light source on the lens, placed along the flare's axis by its distance
// (-5 to 5).
class zkdLensFlareGhost : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;

    static constexpr double MinimumDistance = -5.0;
    static constexpr double MaximumDistance = 5.0;

    double getDistance() const;
    // An edit of the distance property, clamped to the distance range.
    void setDistance(double distance) const;
    QVector3D getColor() const;
    QString getName() const;
    void setName(const QString &name) const;
};

Q_DECLARE_METATYPE(zkdLensFlareGhost)
