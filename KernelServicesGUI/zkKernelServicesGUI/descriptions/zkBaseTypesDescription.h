#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The rows every edited object starts from: hides the bookkeeping properties that every kernel
// object reports, shows a QObject's objectName as a caption without an input, and gives each
// plain value type its default control, so that any reflected property of those types gets a
// row even when no description of its object's type names it.
class zkBaseTypesDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkBaseTypesDescription() = default;

protected:
    void init() override;
};
