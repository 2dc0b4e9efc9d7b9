#pragma once

#include "zkQVectorControl.h"

#include <QZKVec3Control.h>
#include <zkControlOptionRecords.h>

#include <QVector3D>

// A QVector3D property; any component change writes the whole vector to every object.
class zkQVector3DControl : public zkQVectorControl<QZKVec3Control, QVector3D, zkQVector3DControlOptions>
{
    Q_OBJECT
public:
    zkQVector3DControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void setVisibleXYZ(bool x, bool y, bool z);
};
