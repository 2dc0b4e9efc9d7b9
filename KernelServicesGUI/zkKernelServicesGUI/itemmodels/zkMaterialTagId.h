#pragma once

#include <QByteArray>
#include <QHash>
#include <QMetaType>

class QDataStream;
class QString;
class zkdMaterial;

// The identity of a row of the material tag model: a byte string whose first byte tells the
// kind (root, tag, tagged material) and whose rest names the row. Ids compare as byte strings.
class zkMaterialTagId
{
public:
    zkMaterialTagId() = default;
    explicit zkMaterialTagId(int rootId);
    explicit zkMaterialTagId(const QString &tag);
    zkMaterialTagId(const QString &tag, const zkdMaterial &material);

    bool isNull() const { return m_bytes.isEmpty(); }
    const QByteArray &toByteArray() const { return m_bytes; }

    friend bool operator==(const zkMaterialTagId &a, const zkMaterialTagId &b) { return a.m_bytes == b.m_bytes; }
    friend bool operator!=(const zkMaterialTagId &a, const zkMaterialTagId &b) { return !(a == b); }
    friend bool operator<(const zkMaterialTagId &a, const zkMaterialTagId &b)
    { return qstrcmp(a.m_bytes, b.m_bytes) < 0; }

    friend QDataStream &operator<<(QDataStream &out, const zkMaterialTagId &id);
    friend QDataStream &operator>>(QDataStream &in, zkMaterialTagId &id);

private:
    QByteArray m_bytes;
};

inline uint qHash(const zkMaterialTagId &id, uint seed = 0)
{
    return qHash(id.toByteArray(), seed);
}

Q_DECLARE_METATYPE(zkMaterialTagId)
