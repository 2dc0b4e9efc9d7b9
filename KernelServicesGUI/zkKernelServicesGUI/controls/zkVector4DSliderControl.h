#pragma once

#include "zkVectorEditorControl.h"

#include <QZKVec4SliderControl.h>
#include <zkControlOptionRecords.h>

// A QVector4D property edited with one slider per component.
class zkVector4DSliderControl : public zkVectorEditorControl<QZKVec4SliderControl, zkVector4DSliderControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
