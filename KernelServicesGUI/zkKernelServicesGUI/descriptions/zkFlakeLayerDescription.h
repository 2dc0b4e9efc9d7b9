#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// A layer of pigments and metal flakes; the flip-flop rows apply only while it is on.
class zkFlakeLayerDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkFlakeLayerDescription() = default;

protected:
    void init() override;
};
