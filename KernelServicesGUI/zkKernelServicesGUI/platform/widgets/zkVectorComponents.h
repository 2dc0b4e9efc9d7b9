#pragma once

#include <QZKIntVector.h>

#include <QVector2D>
#include <QVector3D>
#include <QVector4D>

#include <type_traits>

// Index access to the components of the vector types the vector widgets edit, so that one
// template serves two, three and four dimensions.
template <typename Vector>
constexpr int zkVectorSize = 0;
template <> constexpr int zkVectorSize<QVector2D> = 2;
template <> constexpr int zkVectorSize<QVector3D> = 3;
template <> constexpr int zkVectorSize<QVector4D> = 4;
template <> constexpr int zkVectorSize<QZKIntVector2D> = 2;
template <> constexpr int zkVectorSize<QZKIntVector3D> = 3;
template <> constexpr int zkVectorSize<QZKIntVector4D> = 4;

template <typename Vector>
constexpr bool zkIsFloatVector = std::is_same_v<Vector, QVector2D> || std::is_same_v<Vector, QVector3D>
        || std::is_same_v<Vector, QVector4D>;

// Component index (0 for x up to 3 for w) of vector.
template <typename Vector>
auto zkVectorComponent(const Vector &vector, int index)
{
    if constexpr (zkIsFloatVector<Vector>) {
        return vector[index];
    } else {
        if constexpr (zkVectorSize<Vector> > 3) {
            if (index == 3)
                return vector.w();
        }
        if constexpr (zkVectorSize<Vector> > 2) {
            if (index == 2)
                return vector.z();
        }
        return index == 0 ? vector.x() : vector.y();
    }
}

template <typename Vector, typename Scalar>
void zkSetVectorComponent(Vector &vector, int index, Scalar value)
{
    if constexpr (zkIsFloatVector<Vector>) {
        vector[index] = float(value);
    } else {
        if constexpr (zkVectorSize<Vector> > 3) {
            if (index == 3)
                return vector.setW(int(value));
        }
        if constexpr (zkVectorSize<Vector> > 2) {
            if (index == 2)
                return vector.setZ(int(value));
        }
        if (index == 0)
            vector.setX(int(value));
        else
            vector.setY(int(value));
    }
}
