#include "zkInlineImageSequenceControl.h"

#include <zkDialogCollection.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkdImage.h>

#include <algorithm>

zkInlineImageSequenceControl::zkInlineImageSequenceControl(zkPropertyEditorWidget *editorWidget,
                                                           const QByteArray &propertyName, Options *options)
    : zkCheckBoxControl(editorWidget, propertyName, options)
{
}

void zkInlineImageSequenceControl::setValue(bool checked)
{
    zkCheckBoxControl::setValue(checked);
    if (!checked && isSourceSequenceMissing())
        zkDialogCollection::openResetInlineImageSequenceWarningDialog();
}

bool zkInlineImageSequenceControl::isSourceSequenceMissing() const
{
    const QByteArray imageProperty = static_cast<const Options *>(getOptions())->imageProperty;
    const QList<zkPropertyEditorObjectWrapper *> &objects = getEditorWidget()->getCurrentObjects();
    return std::any_of(objects.begin(), objects.end(), [&imageProperty](const zkPropertyEditorObjectWrapper *object) {
        const zkdImage image = object->getProperty(imageProperty).value<zkdImage>();
        return !image.isNull() && !image.sourceSequenceExists();
    });
}
