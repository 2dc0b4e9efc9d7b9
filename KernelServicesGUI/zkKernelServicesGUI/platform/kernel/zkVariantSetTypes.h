#pragma once

#include <QObject>

// Enumerations of variant sets.
namespace zkVariantSetTypes {
Q_NAMESPACE

enum VariantSetType {
    Group = 0,
    VariantSet = 1
};
Q_ENUM_NS(VariantSetType)

} // namespace zkVariantSetTypes
