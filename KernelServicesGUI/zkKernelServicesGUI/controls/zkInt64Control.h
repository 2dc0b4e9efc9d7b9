#pragma once

#include "zkNumberControl.h"

// Edits a signed 64-bit integer in a line edit.
class zkInt64Control : public zkNumberControl<qlonglong>
{
    Q_OBJECT
public:
    using zkNumberControl::zkNumberControl;
};
