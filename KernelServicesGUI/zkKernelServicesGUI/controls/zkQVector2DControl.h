#pragma once

#include "zkQVectorControl.h"

#include <QZKVec2Control.h>
#include <zkControlOptionRecords.h>

#include <QVector2D>

// A QVector2D property. Each component is written on its own, so that in a multiple selection
// every object keeps its other component, and typed relative entries apply to each object's own
// value.
class zkQVector2DControl : public zkQVectorControl<QZKVec2Control, QVector2D, zkQVector2DControlOptions>
{
    Q_OBJECT
public:
    zkQVector2DControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;
};
