#pragma once

#include "zkCheckBoxControl.h"

#include <zkControlOptionRecords.h>

// Embeds an image texture's sequence into the scene. Leaving inline mode needs the sequence
// the frames came from; when it is gone, the kernel keeps inline mode and the user is told why.
class zkInlineImageSequenceControl : public zkCheckBoxControl
{
    Q_OBJECT
public:
    using Options = zkImageSequenceOptions;

    zkInlineImageSequenceControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                 Options *options);

    void setValue(bool checked) override;

private:
    bool isSourceSequenceMissing() const;
};
