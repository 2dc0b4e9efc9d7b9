#include "zkDialogCollection.h"

#include <zkKernelServiceFactory.h>
#include <zkPreferencesService.h>

#include <QCheckBox>
#include <QMessageBox>

namespace {

QString dontShowCreateCurveKey()
{
    return QStringLiteral("Animation dont show create curve dialog");
}

} // namespace

void zkDialogCollection::openResetInlineImageSequenceWarningDialog()
{
    QMessageBox box(QMessageBox::Warning, tr("Inline image sequence"),
                    tr("Couldn't switch back from inlined mode, because the original image sequence is not "
                       "existing any more. Please correct the path, save or delete the texture before!\n"),
                    QMessageBox::Ok);
    box.exec();
}

void zkDialogCollection::openCreateAnimationCurveDialog()
{
    zkPreferencesService *preferences = zkKernelServiceFactory::the().getService<zkPreferencesService>();
    if (preferences && preferences->getBoolValue(dontShowCreateCurveKey(), false))
        return;

    QMessageBox box(QMessageBox::Information, tr("Create Animation Curve"),
                    tr("An Animation Curve for the image sequence is created in the Curve Editor."));
    box.addButton(tr("Ok"), QMessageBox::AcceptRole);
    box.setCheckBox(new QCheckBox(tr("Don't show again")));
    box.exec();

    if (preferences && box.checkBox()->isChecked()) {
        preferences->setBoolValue(dontShowCreateCurveKey(), true);
        preferences->save();
        preferences->updateGUI();
    }
}
