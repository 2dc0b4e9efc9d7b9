#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>
#include <QVariant>

// The bytes a model's mimeData() writes for the items with ids, made by hand so that a test can
// also cut, pad or forge them.
inline QByteArray payloadOf(const QList<QVariant> &ids)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    for (const QVariant &id : ids)
        stream << id;
    return payload;
}
