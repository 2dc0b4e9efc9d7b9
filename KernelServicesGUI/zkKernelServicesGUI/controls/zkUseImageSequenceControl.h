#pragma once

#include "zkCheckBoxControl.h"

#include <zkControlOptionRecords.h>

// Switches an image texture to an image sequence. Switching it on gives every object with an
// image an animation curve for its image number, in the same undo step, and tells the user
// where to find the curves.
class zkUseImageSequenceControl : public zkCheckBoxControl
{
    Q_OBJECT
public:
    using Options = zkImageSequenceOptions;

    zkUseImageSequenceControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                              Options *options);

    void setValue(bool checked) override;

private:
    // True when at least one curve was created.
    bool createImageNumberCurves() const;
};
