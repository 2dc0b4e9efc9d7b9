#include "zkDateControl.h"

zkDateControl::zkDateControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
    : zkDateTimeEditControl(editorWidget, propertyName, options, QStringLiteral("MMMM dd, yyyy"), tr("Today"))
{
}
