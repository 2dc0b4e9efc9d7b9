#include "zkMaterialTagId.h"

#include "zkIdKey.h"

#include <zkdMaterial.h>

#include <QDataStream>
#include <QString>
#include <QtEndian>

namespace {

enum Kind : char { RootKind = 0x01, TagKind = 0x02, TaggedMaterialKind = 0x03 };

template <typename T>
void appendLittleEndian(QByteArray &bytes, T value)
{
    char buffer[sizeof(T)];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, int(sizeof(T)));
}

// The layouts the constructors write; anything else in a stream is forged.
bool isWellFormed(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return true;
    switch (bytes.at(0)) {
    case RootKind:
        return bytes.size() == 1 + int(sizeof(qint32));
    case TagKind:
        return true;
    case TaggedMaterialKind:
        return bytes.size() >= 1 + 2 * int(sizeof(quint64));
    default:
        return false;
    }
}

// Ids travel in drag payloads as QVariants, so the type is known before any model exists.
const bool registered = [] {
    qRegisterMetaType<zkMaterialTagId>("zkMaterialTagId");
    qRegisterMetaTypeStreamOperators<zkMaterialTagId>("zkMaterialTagId");
    zkIdKey::registerHashable<zkMaterialTagId>();
    return QMetaType::registerComparators<zkMaterialTagId>();
}();

} // namespace

zkMaterialTagId::zkMaterialTagId(int rootId)
{
    m_bytes.append(RootKind);
    appendLittleEndian<qint32>(m_bytes, rootId);
}

zkMaterialTagId::zkMaterialTagId(const QString &tag)
{
    m_bytes.append(TagKind);
    m_bytes.append(tag.toUtf8());
}

zkMaterialTagId::zkMaterialTagId(const QString &tag, const zkdMaterial &material)
{
    m_bytes.append(TaggedMaterialKind);
    m_bytes.append(tag.toUtf8());
    appendLittleEndian<quint64>(m_bytes, material.getTypeId());
    appendLittleEndian<quint64>(m_bytes, material.getObjectId());
}

QDataStream &operator<<(QDataStream &out, const zkMaterialTagId &id)
{
    return out << id.m_bytes;
}

QDataStream &operator>>(QDataStream &in, zkMaterialTagId &id)
{
    QByteArray bytes;
    in >> bytes;
    if (in.status() == QDataStream::Ok && !isWellFormed(bytes))
        in.setStatus(QDataStream::ReadCorruptData);
    id.m_bytes = in.status() == QDataStream::Ok ? bytes : QByteArray();
    return in;
}
