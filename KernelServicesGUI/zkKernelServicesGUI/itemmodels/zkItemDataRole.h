#pragma once

#include <Qt>

// Item-data roles of the library's item models beyond Qt's own.
namespace zkItemDataRole {
enum : int {
    // The item's kind as an int; zkProxyModel's default type role.
    Kind = Qt::UserRole,
    // The base image (QImage) under an item's overlay icon.
    BaseImage = Qt::UserRole + 1,
    // The overlay icon (QIcon) drawn over the base image.
    OverlayIcon = Qt::UserRole + 2,
};
} // namespace zkItemDataRole
