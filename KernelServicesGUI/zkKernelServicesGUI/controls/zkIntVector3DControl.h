#pragma once

#include "zkVectorEditorControl.h"

#include <QZKIntVector3DSlider.h>
#include <zkControlOptionRecords.h>

// A QZKIntVector3D property edited with one integer slider per component.
class zkIntVector3DControl : public zkVectorEditorControl<QZKIntVector3DSlider, zkIntVector3DControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
