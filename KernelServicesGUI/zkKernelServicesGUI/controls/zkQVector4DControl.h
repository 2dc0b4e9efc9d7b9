#pragma once

#include "zkQVectorControl.h"

#include <QZKVec4Control.h>
#include <zkControlOptionRecords.h>

#include <QVector4D>

// A QVector4D property; any component change writes the whole vector to every object.
class zkQVector4DControl : public zkQVectorControl<QZKVec4Control, QVector4D, zkQVector4DControlOptions>
{
    Q_OBJECT
public:
    zkQVector4DControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void setVisibleXYZW(bool x, bool y, bool z, bool w);
    void setSubLabels(const QStringList &labels);
};
