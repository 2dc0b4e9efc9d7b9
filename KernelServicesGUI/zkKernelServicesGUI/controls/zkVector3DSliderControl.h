#pragma once

#include "zkVectorEditorControl.h"

#include <QZKVec3SliderControl.h>
#include <zkControlOptionRecords.h>

// A QVector3D property edited with one slider per component.
class zkVector3DSliderControl : public zkVectorEditorControl<QZKVec3SliderControl, zkVector3DSliderControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
