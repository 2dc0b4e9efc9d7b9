#pragma once

#include "zkSpinBoxControl.h"

#include <QZKSpiner.h>
#include <zkControlOptionRecords.h>

// Edits a 32-bit integer property in a spin box of a fixed width, whose arrows step once per
// press.
class zkSpinerControl : public zkSpinBoxControl<QZKSpiner, zkSpinerControlOptions>
{
    Q_OBJECT
public:
    zkSpinerControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);
};
