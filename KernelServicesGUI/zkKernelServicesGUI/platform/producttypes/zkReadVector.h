#pragma once

#include <QDataStream>
#include <QVector>

// Reads a QVector in the format of its operator<<, one element at a time: Qt's operator>>
// reserves the count it reads up front, so forged bytes could demand gigabytes or throw. Memory
// thus grows only with elements actually read. On failure the stream's status tells why and
// vector is empty.
template <typename T>
QDataStream &zkReadVector(QDataStream &in, QVector<T> &vector)
{
    vector.clear();
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        T value;
        in >> value;
        vector.append(value);
    }
    if (in.status() != QDataStream::Ok)
        vector.clear();
    return in;
}
