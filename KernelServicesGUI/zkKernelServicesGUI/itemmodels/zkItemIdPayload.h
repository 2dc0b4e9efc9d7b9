#pragma once

#include <QByteArray>
#include <QVariantList>

// The drag payload of an item model's own MIME type: the dragged items' ids, one QVariant after
// another, in the stream format of QVariant.
//
// Drops also bring foreign bytes, so decoding takes only ids of types whose reading is bounded by
// the bytes at hand: numbers, characters, strings and byte arrays, and registered value types
// with stream operators that are no containers. A QVariant stream of any other type, such as a
// list whose forged count would be reserved up front or an image with forged dimensions, is
// refused before it is read.
namespace zkItemIdPayload {

QByteArray encode(const QVariantList &ids);
// False, leaving ids alone, unless payload is a whole sequence of such ids.
bool decode(const QByteArray &payload, QVariantList *ids);

} // namespace zkItemIdPayload
