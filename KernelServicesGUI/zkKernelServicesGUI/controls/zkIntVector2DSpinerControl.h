#pragma once

#include "zkVectorEditorControl.h"

#include <QZKIntVector2DSpiner.h>
#include <zkControlOptionRecords.h>

// A QZKIntVector2D property edited with one spin box per component.
class zkIntVector2DSpinerControl : public zkVectorEditorControl<QZKIntVector2DSpiner, zkIntVector2DSpinerControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
