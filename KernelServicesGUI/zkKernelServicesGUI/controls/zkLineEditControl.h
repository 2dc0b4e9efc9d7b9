#pragma once

#include "zkBaseControl.h"

class QLineEdit;

// A row that edits its property as text in a line edit. A value is written when editing
// finishes and the text was modified, so leaving a field untouched never overwrites the mixed
// values of a multiple selection.
class zkLineEditControl : public zkBaseControl
{
    Q_OBJECT
public:
    void updateControl() override;

    QLineEdit *getLineEdit() const { return m_lineEdit; }

protected:
    zkLineEditControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                      zkBaseControlOptions *options);

    // The value written for a text, and the text shown for a value.
    virtual QVariant toValue(const QString &text) const = 0;
    virtual QString toText(const QVariant &value) const = 0;

private:
    void commit();

    QLineEdit *m_lineEdit;
};
