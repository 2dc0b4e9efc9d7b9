#include "zkSpinerControl.h"

#include <zkPlatform.h>

zkSpinerControl::zkSpinerControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                 Options *options)
    : zkSpinBoxControl(editorWidget, propertyName, options)
{
    QZKSpiner *spinBox = getSpinBox();
    const double scaleX = zkPlatform::getDpiScaleX();
    const double scaleY = zkPlatform::getDpiScaleY();
    const int width = qRound(options->width * scaleX);
    spinBox->setMinimumWidth(width);
    spinBox->setMaximumWidth(width);
    spinBox->setMinimumHeight(qRound(16 * scaleY + 2));
    spinBox->setMaximumHeight(qRound(32 * scaleY));
    spinBox->setAutoStepsOnMousePress(false);
}
