#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The weave shared by two- and three-dimensional carbon fibre.
class zkCarbonPatternDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkCarbonPatternDescription() = default;

protected:
    void init() override;
};
