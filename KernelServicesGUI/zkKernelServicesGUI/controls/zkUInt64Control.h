#pragma once

#include "zkNumberControl.h"

// Edits an unsigned 64-bit integer in a line edit.
class zkUInt64Control : public zkNumberControl<qulonglong>
{
    Q_OBJECT
public:
    using zkNumberControl::zkNumberControl;
};
