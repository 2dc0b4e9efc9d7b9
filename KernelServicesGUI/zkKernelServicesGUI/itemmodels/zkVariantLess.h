#pragma once

class QVariant;

// A strict weak order on QVariant ids, for ordered containers keyed by item ids.
// Numbers come first and compare by value across numeric types; other values order by type,
// then user types through the comparators registered with QMetaType::registerComparators, and
// strings and byte arrays by their contents. Values of a user type without registered
// comparators are told apart only by equality.
struct zkVariantLess
{
    bool operator()(const QVariant &a, const QVariant &b) const;
};
