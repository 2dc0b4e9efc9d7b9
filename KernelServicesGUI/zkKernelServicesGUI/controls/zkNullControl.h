#pragma once

#include "zkBaseControl.h"

// A caption row without an input widget: the property is named but neither shown nor edited.
class zkNullControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    using zkBaseControl::zkBaseControl;
};
