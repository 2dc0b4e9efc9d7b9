#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The lacquer over metallic paint: how thick and dense it lies on the flakes.
class zkMetallicPaintClearcoatDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkMetallicPaintClearcoatDescription() = default;

protected:
    void init() override;
};
