#pragma once

#include "zkBaseControl.h"

#include <zkControlOptionRecords.h>

#include <functional>

class QCheckBox;

// Edits a truth value, or whatever the options' mappings turn a check state into, with a check
// box. The options decide whether the check box takes the caption's place in the left column
// and on which side of its text the box stands.
class zkCheckBoxControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkCheckBoxControlOptions;

    zkCheckBoxControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    // Writes the write mapping's value for checked, or checked itself without a mapping.
    virtual void setValue(bool checked);
    void updateControl() override;

    void setCheckStateMapping(const zkCheckBoxControlOptions *options);

    QCheckBox *getCheckBox() const { return m_checkBox; }

private:
    QCheckBox *m_checkBox;
    std::function<bool(const QVariant &)> m_readMapping;
    std::function<QVariant(bool)> m_writeMapping;
};
