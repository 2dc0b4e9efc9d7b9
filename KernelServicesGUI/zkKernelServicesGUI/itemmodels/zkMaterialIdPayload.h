#pragma once

#include <QByteArray>
#include <QString>

class zkdMaterial;

// The drag payload by which modules hand one material to another: the material's object id and
// external type id as two signed 32-bit big-endian integers.
namespace zkMaterialIdPayload {

QString mimeType();
// Empty for a null material.
QByteArray encode(const zkdMaterial &material);
// The material named by exactly one pair; null for any other bytes or a pair that names none.
zkdMaterial decode(const QByteArray &payload);

} // namespace zkMaterialIdPayload
