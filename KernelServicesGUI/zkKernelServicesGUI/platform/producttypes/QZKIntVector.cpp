#include "QZKIntVector.h"

QDataStream &operator<<(QDataStream &out, const QZKIntVector2D &v)
{
    return out << qint32(v.x()) << qint32(v.y());
}

// A vector cut short reads as the zero vector rather than as the components that made it.
QDataStream &operator>>(QDataStream &in, QZKIntVector2D &v)
{
    qint32 x = 0, y = 0;
    in >> x >> y;
    v = in.status() == QDataStream::Ok ? QZKIntVector2D(x, y) : QZKIntVector2D();
    return in;
}

QDataStream &operator<<(QDataStream &out, const QZKIntVector3D &v)
{
    return out << qint32(v.x()) << qint32(v.y()) << qint32(v.z());
}

QDataStream &operator>>(QDataStream &in, QZKIntVector3D &v)
{
    qint32 x = 0, y = 0, z = 0;
    in >> x >> y >> z;
    v = in.status() == QDataStream::Ok ? QZKIntVector3D(x, y, z) : QZKIntVector3D();
    return in;
}

QDataStream &operator<<(QDataStream &out, const QZKIntVector4D &v)
{
    return out << qint32(v.x()) << qint32(v.y()) << qint32(v.z()) << qint32(v.w());
}

QDataStream &operator>>(QDataStream &in, QZKIntVector4D &v)
{
    qint32 x = 0, y = 0, z = 0, w = 0;
    in >> x >> y >> z >> w;
    v = in.status() == QDataStream::Ok ? QZKIntVector4D(x, y, z, w) : QZKIntVector4D();
    return in;
}

namespace {
template <typename T>
void registerVector(const char *name)
{
    qRegisterMetaType<T>(name);
    qRegisterMetaTypeStreamOperators<T>(name);
    QMetaType::registerEqualsComparator<T>();
}
}

void registerQZKIntVectorTypes()
{
    static const bool registered = [] {
        registerVector<QZKIntVector2D>("QZKIntVector2D");
        registerVector<QZKIntVector3D>("QZKIntVector3D");
        registerVector<QZKIntVector4D>("QZKIntVector4D");
        return true;
    }();
    Q_UNUSED(registered);
}
