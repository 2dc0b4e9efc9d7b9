#pragma once

#include "zkMaterialDescription.h"

// Two-tone paint whose flakes change colour with the viewing angle.
class zkFlipflopMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkFlipflopMaterialDescription() = default;

protected:
    void init() override;
};
