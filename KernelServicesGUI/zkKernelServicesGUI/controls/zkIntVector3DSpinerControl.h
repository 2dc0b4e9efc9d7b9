#pragma once

#include "zkVectorEditorControl.h"

#include <QZKIntVector3DSpiner.h>
#include <zkControlOptionRecords.h>

// A QZKIntVector3D property edited with one spin box per component.
class zkIntVector3DSpinerControl : public zkVectorEditorControl<QZKIntVector3DSpiner, zkIntVector3DControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
