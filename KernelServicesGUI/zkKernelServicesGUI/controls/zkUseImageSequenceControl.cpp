#include "zkUseImageSequenceControl.h"

#include <zkAnimationService.h>
#include <zkDialogCollection.h>
#include <zkKernelServiceFactory.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkdImage.h>

namespace {

// The frame of the sequence shown, which the curve animates.
const QByteArray imageNumberProperty = QByteArrayLiteral("imageNumber");

} // namespace

zkUseImageSequenceControl::zkUseImageSequenceControl(zkPropertyEditorWidget *editorWidget,
                                                     const QByteArray &propertyName, Options *options)
    : zkCheckBoxControl(editorWidget, propertyName, options)
{
}

void zkUseImageSequenceControl::setValue(bool checked)
{
    bool created = false;
    {
        const zkScopedUndo undo;
        const zkScopedMultiCommand step;
        zkCheckBoxControl::setValue(checked);
        created = checked && createImageNumberCurves();
    }
    // Shown once the step is complete, so the notice does not stand in the middle of an edit.
    if (created)
        zkDialogCollection::openCreateAnimationCurveDialog();
}

bool zkUseImageSequenceControl::createImageNumberCurves() const
{
    auto *animations = zkKernelServiceFactory::the().getService<zkAnimationService>();
    if (!animations)
        return false;
    const QByteArray imageProperty = static_cast<const Options *>(getOptions())->imageProperty;
    bool created = false;
    for (const zkPropertyEditorObjectWrapper *wrapper : getEditorWidget()->getCurrentObjects()) {
        if (!wrapper->isZkdObject() || wrapper->getProperty(imageProperty).value<zkdImage>().isNull())
            continue;
        const zkdObject object = wrapper->getObject<zkdObject>();
        if (!animations->hasAnimationCurve(object, imageNumberProperty))
            created = animations->createAnimationCurve(object, imageNumberProperty) || created;
    }
    return created;
}
