#pragma once

#include "zkBaseService.h"
#include "zkQRPCMetaProperty.h"
#include "zkdObject.h"

#include <QList>

// Reflection in bulk and the change notification of every kernel object.
class zkObjectService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkObjectService(QObject *parent = nullptr);

    // Every property of the object in the kernel's listing order; empty for a null or gone object.
    QList<zkQRPCMetaProperty> getMetaProperties(const zkdObject &object) const;

signals:
    // After any change of a property value, whoever made it: an edit, an operation, undo, redo.
    void propertyChangedBS(const zkdObject &object, const QByteArray &name);
};
