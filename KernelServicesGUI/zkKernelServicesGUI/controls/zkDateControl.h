#pragma once

#include "zkDateTimeEditControl.h"

// Edits a date; "Today" writes the current date.
class zkDateControl : public zkDateTimeEditControl<QDate>
{
    Q_OBJECT
public:
    zkDateControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);
};
