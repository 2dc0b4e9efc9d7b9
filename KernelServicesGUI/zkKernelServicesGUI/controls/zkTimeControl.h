#pragma once

#include "zkDateTimeEditControl.h"

// Edits a time of day in hours and minutes; "Now" writes the current time.
class zkTimeControl : public zkDateTimeEditControl<QTime>
{
    Q_OBJECT
public:
    zkTimeControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);
};
