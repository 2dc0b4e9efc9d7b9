#pragma once

#include <zkPropertyEditorDescriptionBase.h>

// Subsurface scattering of the plain and the UV variant. The mode decides which rows apply; the
// medium presets the refraction index, so each of the two rows re-reads the other.
class zkSubsurfaceScatteringDescription : public zkPropertyEditorDescriptionBase
{
    Q_OBJECT
public:
    zkSubsurfaceScatteringDescription() = default;

protected:
    void init() override;

private:
    // The rows and rules of subsurface scattering type T; both variants show the same.
    template <typename T>
    void initType();
};
