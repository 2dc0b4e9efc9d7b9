#pragma once

#include "zkVectorEditorControl.h"

#include <QZKIntVector2DSlider.h>
#include <zkControlOptionRecords.h>

// A QZKIntVector2D property edited with one integer slider per component.
class zkIntVector2DControl : public zkVectorEditorControl<QZKIntVector2DSlider, zkIntVector2DControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
