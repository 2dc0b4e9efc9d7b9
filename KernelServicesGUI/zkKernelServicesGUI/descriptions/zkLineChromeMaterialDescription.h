#pragma once

#include "zkMaterialDescription.h"

// Chrome with fine lines across it.
class zkLineChromeMaterialDescription : public zkMaterialDescription
{
    Q_OBJECT
public:
    zkLineChromeMaterialDescription() = default;

protected:
    void init() override;
};
