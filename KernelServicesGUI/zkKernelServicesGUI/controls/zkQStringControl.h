#pragma once

#include "zkLineEditControl.h"

// Edits a string in a line edit.
class zkQStringControl : public zkLineEditControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkQStringControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
        : zkLineEditControl(editorWidget, propertyName, options)
    {
    }

protected:
    QVariant toValue(const QString &text) const override { return text; }
    QString toText(const QVariant &value) const override { return value.toString(); }
};
