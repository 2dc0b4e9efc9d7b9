#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// The lacquer over solid paint, which is never off.
class zkUnicolorPaintClearcoatDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkUnicolorPaintClearcoatDescription() = default;

protected:
    void init() override;
};
