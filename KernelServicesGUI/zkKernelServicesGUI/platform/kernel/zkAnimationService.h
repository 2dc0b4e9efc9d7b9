#pragma once

#include "zkBaseService.h"
#include "zkdObject.h"

#include <QByteArray>
#include <QPair>
#include <QSet>

// The animation curves of the scene, by the object and property they animate. Creating a curve
// is an undo step when an undo scope records.
class zkAnimationService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkAnimationService(QObject *parent = nullptr);

    bool hasAnimationCurve(const zkdObject &object, const QByteArray &property) const;
    // False when there is one already, the object is gone or has no such property.
    bool createAnimationCurve(const zkdObject &object, const QByteArray &property);

signals:
    // After a curve was created, and after undo or redo of a creation.
    void animationCurvesChanged(const zkdObject &object, const QByteArray &property);

private:
    friend class zkAnimationCurveCommand;
    using Curve = QPair<quint64, QByteArray>;

    void setCurve(const zkdObject &object, const QByteArray &property, bool exists);

    QSet<Curve> m_curves;
};
