#pragma once

#include "zkNumberControl.h"

// Edits a signed 32-bit integer in a line edit.
class zkInt32Control : public zkNumberControl<int>
{
    Q_OBJECT
public:
    using zkNumberControl::zkNumberControl;
};
