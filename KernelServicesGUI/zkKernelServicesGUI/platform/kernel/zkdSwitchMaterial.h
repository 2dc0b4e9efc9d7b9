#pragma once

#include "zkdMultiMaterial.h"

// A multi-material that shows one of its sub-materials, the choice.
class zkdSwitchMaterial : public zkdMultiMaterial
{
    Q_GADGET
public:
    using zkdMultiMaterial::zkdMultiMaterial;

    // The index of the chosen sub-material. The stored choice is unsigned; the index is an int
    // because it is compared with sub-material rows.
    int getChoice() const;
    // An edit of the choice property; negative indices are refused.
    void setChoice(int index) const;
};

Q_DECLARE_METATYPE(zkdSwitchMaterial)
