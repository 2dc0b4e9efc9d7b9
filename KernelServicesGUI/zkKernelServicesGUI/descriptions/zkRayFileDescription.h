#pragma once

#include <zkPropertyEditorDescriptionBase.h>

class zkPropertyEditorWidget;

// The ray file of a ray light: which file, how its rays are sampled and drawn, and how the
// file is looked up when seen directly. What the file's header says is shown, not edited.
class zkRayFileDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkRayFileDescription() = default;

protected:
    void init() override;

private:
    // A new file brings its own header and its own widest ray angle.
    static void updateFileRows(zkPropertyEditorWidget *widget);
};
