#include "zkMaterialIdPayload.h"

#include <zkdMaterial.h>
#include <zkdObjectManager.h>

#include <QDataStream>

#include <limits>

namespace zkMaterialIdPayload {

namespace {

constexpr int pairSize = 2 * int(sizeof(qint32));

bool fitsInt32(quint64 value)
{
    return value > 0 && value <= quint64(std::numeric_limits<qint32>::max());
}

} // namespace

QString mimeType()
{
    return QStringLiteral("application/zelk-material-id");
}

QByteArray encode(const zkdMaterial &material)
{
    const quint64 objectId = material.getObjectId();
    const quint64 externalType = zkdObjectManager::getExternalTypeId(material);
    if (material.isNull() || !fitsInt32(objectId) || !fitsInt32(externalType))
        return QByteArray();
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << qint32(objectId) << qint32(externalType);
    return payload;
}

zkdMaterial decode(const QByteArray &payload)
{
    if (payload.size() != pairSize)
        return zkdMaterial();
    QDataStream stream(payload);
    qint32 objectId = 0;
    qint32 externalType = 0;
    stream >> objectId >> externalType;
    if (stream.status() != QDataStream::Ok || objectId <= 0 || externalType <= 0)
        return zkdMaterial();
    return zkdObjectManager::createFromExternal<zkdMaterial>(quint64(objectId), quint64(externalType));
}

} // namespace zkMaterialIdPayload
