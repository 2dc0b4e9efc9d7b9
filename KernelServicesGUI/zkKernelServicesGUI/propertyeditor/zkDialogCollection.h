#pragma once

#include <QCoreApplication>

// The message dialogs the editors share. Each one is modal and returns once the user closed it.
class zkDialogCollection
{
    Q_DECLARE_TR_FUNCTIONS(zkDialogCollection)
public:
    // Tells the user that an inlined image sequence stays inlined because its source is gone.
    static void openResetInlineImageSequenceWarningDialog();
    // Tells the user that an animation curve was created, unless they asked not to be told again.
    static void openCreateAnimationCurveDialog();

private:
    zkDialogCollection() = default;
};
