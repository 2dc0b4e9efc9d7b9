#include "zkItemIdPayload.h"

#include <QDataStream>
#include <QMetaType>

#include <limits>

namespace zkItemIdPayload {

namespace {

bool isScalar(int type)
{
    switch (type) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::QChar:
    // Both are read in chunks of what the stream holds, whatever length they claim.
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return true;
    default:
        return false;
    }
}

bool isContainer(int type)
{
    // Qt registers these conversions with every sequential, associative or pair type.
    for (const int view : {qMetaTypeId<QtMetaTypePrivate::QSequentialIterableImpl>(),
                           qMetaTypeId<QtMetaTypePrivate::QAssociativeIterableImpl>(),
                           qMetaTypeId<QtMetaTypePrivate::QPairVariantInterfaceImpl>()}) {
        if (QMetaType::hasRegisteredConverterFunction(type, view))
            return true;
    }
    return false;
}

bool isAccepted(int type)
{
    if (type < QMetaType::User)
        return isScalar(type);
    return QMetaType::isRegistered(type) && !isContainer(type);
}

// Reads one id as QVariant::load() does, after checking its type. The null flag is skipped: a
// value read whole is what identifies an item.
bool readId(QDataStream &stream, QVariant &id)
{
    quint32 type = QMetaType::UnknownType;
    qint8 isNull = 0;
    stream >> type >> isNull;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (type == QMetaType::UnknownType) {
        id = QVariant();
        return true;
    }
    if (type == QMetaType::User) {
        QByteArray name;
        stream >> name;
        type = quint32(QMetaType::type(name.constData()));
        if (stream.status() != QDataStream::Ok || type == QMetaType::UnknownType)
            return false;
    }
    if (type > quint32(std::numeric_limits<int>::max()) || !isAccepted(int(type)))
        return false;
    QVariant read(int(type), nullptr);
    // False for a registered type without stream operators.
    if (!QMetaType::load(stream, int(type), read.data()) || stream.status() != QDataStream::Ok)
        return false;
    id = read;
    return true;
}

} // namespace

QByteArray encode(const QVariantList &ids)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    for (const QVariant &id : ids)
        stream << id;
    return payload;
}

bool decode(const QByteArray &payload, QVariantList *ids)
{
    QDataStream stream(payload);
    QVariantList read;
    while (!stream.atEnd()) {
        QVariant id;
        if (!readId(stream, id))
            return false;
        read.append(id);
    }
    ids->swap(read);
    return true;
}

} // namespace zkItemIdPayload
