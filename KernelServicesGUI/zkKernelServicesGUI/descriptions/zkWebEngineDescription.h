#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A web page rendered onto a texture slot of a material.
class zkWebEngineDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkWebEngineDescription() = default;

protected:
    void init() override;
};
