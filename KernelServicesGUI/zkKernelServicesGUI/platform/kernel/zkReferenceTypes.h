#pragma once

#include <QObject>

// Enumerations of file references of scene nodes.
namespace zkReferenceTypes {
Q_NAMESPACE

// What a node's reference points to.
enum ReferenceType {
    NoReference = 0,
    SourceReference = 1 // the file the node was imported from
};
Q_ENUM_NS(ReferenceType)

} // namespace zkReferenceTypes
