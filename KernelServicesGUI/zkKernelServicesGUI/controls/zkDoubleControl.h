#pragma once

#include "zkNumberControl.h"

// Edits a double in a line edit.
class zkDoubleControl : public zkNumberControl<double>
{
    Q_OBJECT
public:
    using zkNumberControl::zkNumberControl;
};
