#pragma once

#include "zkVectorEditorControl.h"

#include <QZKVec2SliderControl.h>
#include <zkControlOptionRecords.h>

// A QVector2D property edited with one slider per component.
class zkVector2DSliderControl : public zkVectorEditorControl<QZKVec2SliderControl, zkVector2DSliderControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
