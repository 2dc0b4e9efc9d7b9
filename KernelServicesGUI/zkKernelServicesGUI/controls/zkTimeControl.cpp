#include "zkTimeControl.h"

zkTimeControl::zkTimeControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
    : zkDateTimeEditControl(editorWidget, propertyName, options, QStringLiteral("HH:mm"), tr("Now"))
{
}
