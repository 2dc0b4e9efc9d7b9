#pragma once

#include "zkNumberControl.h"

// Edits an unsigned 32-bit integer in a line edit.
class zkUInt32Control : public zkNumberControl<uint>
{
    Q_OBJECT
public:
    using zkNumberControl::zkNumberControl;
};
