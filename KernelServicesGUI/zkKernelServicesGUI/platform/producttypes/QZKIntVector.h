#pragma once

#include <QDataStream>
#include <QMetaType>

// Integer vectors of two, three and four components, carried by kernel properties.
class QZKIntVector2D
{
public:
    constexpr QZKIntVector2D() = default;
    constexpr QZKIntVector2D(int x, int y) : m_x(x), m_y(y) {}

    constexpr int x() const { return m_x; }
    constexpr int y() const { return m_y; }
    void setX(int x) { m_x = x; }
    void setY(int y) { m_y = y; }

    friend constexpr bool operator==(const QZKIntVector2D &a, const QZKIntVector2D &b)
    { return a.m_x == b.m_x && a.m_y == b.m_y; }
    friend constexpr bool operator!=(const QZKIntVector2D &a, const QZKIntVector2D &b) { return !(a == b); }

private:
    int m_x = 0;
    int m_y = 0;
};

class QZKIntVector3D
{
public:
    constexpr QZKIntVector3D() = default;
    constexpr QZKIntVector3D(int x, int y, int z) : m_x(x), m_y(y), m_z(z) {}

    constexpr int x() const { return m_x; }
    constexpr int y() const { return m_y; }
    constexpr int z() const { return m_z; }
    void setX(int x) { m_x = x; }
    void setY(int y) { m_y = y; }
    void setZ(int z) { m_z = z; }

    friend constexpr bool operator==(const QZKIntVector3D &a, const QZKIntVector3D &b)
    { return a.m_x == b.m_x && a.m_y == b.m_y && a.m_z == b.m_z; }
    friend constexpr bool operator!=(const QZKIntVector3D &a, const QZKIntVector3D &b) { return !(a == b); }

private:
    int m_x = 0;
    int m_y = 0;
    int m_z = 0;
};

class QZKIntVector4D
{
public:
    constexpr QZKIntVector4D() = default;
    constexpr QZKIntVector4D(int x, int y, int z, int w) : m_x(x), m_y(y), m_z(z), m_w(w) {}

    constexpr int x() const { return m_x; }
    constexpr int y() const { return m_y; }
    constexpr int z() const { return m_z; }
    constexpr int w() const { return m_w; }
    void setX(int x) { m_x = x; }
    void setY(int y) { m_y = y; }
    void setZ(int z) { m_z = z; }
    void setW(int w) { m_w = w; }

    friend constexpr bool operator==(const QZKIntVector4D &a, const QZKIntVector4D &b)
    { return a.m_x == b.m_x && a.m_y == b.m_y && a.m_z == b.m_z && a.m_w == b.m_w; }
    friend constexpr bool operator!=(const QZKIntVector4D &a, const QZKIntVector4D &b) { return !(a == b); }

private:
    int m_x = 0;
    int m_y = 0;
    int m_z = 0;
    int m_w = 0;
};

QDataStream &operator<<(QDataStream &out, const QZKIntVector2D &v);
QDataStream &operator>>(QDataStream &in, QZKIntVector2D &v);
QDataStream &operator<<(QDataStream &out, const QZKIntVector3D &v);
QDataStream &operator>>(QDataStream &in, QZKIntVector3D &v);
QDataStream &operator<<(QDataStream &out, const QZKIntVector4D &v);
QDataStream &operator>>(QDataStream &in, QZKIntVector4D &v);

// Registers the vectors with Qt's meta-type system, their stream operators and comparators.
// Safe to call more than once.
void registerQZKIntVectorTypes();

Q_DECLARE_METATYPE(QZKIntVector2D)
Q_DECLARE_METATYPE(QZKIntVector3D)
Q_DECLARE_METATYPE(QZKIntVector4D)
