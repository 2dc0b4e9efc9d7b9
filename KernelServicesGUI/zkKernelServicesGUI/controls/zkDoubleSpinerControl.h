#pragma once

#include "zkSpinBoxControl.h"

#include <QZKDoubleSpiner.h>
#include <zkControlOptionRecords.h>

// Edits a floating-point property in a spin box.
class zkDoubleSpinerControl : public zkSpinBoxControl<QZKDoubleSpiner, zkDoubleSpinerControlOptions>
{
    Q_OBJECT
public:
    zkDoubleSpinerControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
        : zkSpinBoxControl(editorWidget, propertyName, options)
    {
    }
};
