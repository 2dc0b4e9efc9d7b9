#pragma once

#include "zkVectorEditorControl.h"

#include <QZKIntVector4DSpiner.h>
#include <zkControlOptionRecords.h>

// A QZKIntVector4D property edited with one spin box per component.
class zkIntVector4DSpinerControl : public zkVectorEditorControl<QZKIntVector4DSpiner, zkIntVector4DControlOptions>
{
    Q_OBJECT
public:
    using zkVectorEditorControl::zkVectorEditorControl;
};
