#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// Where a sky is seen from: the coordinates, the time zone and the closest city that follows them.
class zkSkylightLocationDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkSkylightLocationDescription() = default;

protected:
    void init() override;
};
