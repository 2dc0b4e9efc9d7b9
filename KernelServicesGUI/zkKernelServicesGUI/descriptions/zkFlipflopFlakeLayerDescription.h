#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The two-tone flakes of flip-flop paint.
class zkFlipflopFlakeLayerDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkFlipflopFlakeLayerDescription() = default;

protected:
    void init() override;
};
