#pragma once

#include "zkNumberControl.h"

// Edits a float in a line edit; shown and typed like a double, written as a float.
class zkFloatControl : public zkNumberControl<float>
{
    Q_OBJECT
public:
    using zkNumberControl::zkNumberControl;
};
