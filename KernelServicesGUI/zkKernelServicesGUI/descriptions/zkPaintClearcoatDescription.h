#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The orange peel rows of a car paint clearcoat, usable only while orange peel is on.
class zkPaintClearcoatDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkPaintClearcoatDescription() = default;

protected:
    void init() override;
};
