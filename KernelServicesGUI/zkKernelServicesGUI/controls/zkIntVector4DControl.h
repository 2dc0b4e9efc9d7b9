#pragma once

#include "zkVectorEditorControl.h"

#include <QZKIntVector4DSlider.h>
#include <zkControlOptionRecords.h>

// A QZKIntVector4D property edited with one integer slider per component.
class zkIntVector4DControl : public zkVectorEditorControl<QZKIntVector4DSlider, zkIntVector4DControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
