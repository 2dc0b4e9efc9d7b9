#include "zkBumpTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkdBumpTexture.h>

namespace {

zkBumpTextureDescription instance;

} // namespace

void zkBumpTextureDescription::init()
{
    using namespace zkRowModifiers;
    using Texture = zkdBumpTexture;
    zkDescriptionBuilder<Texture> rows(getFactory());

    rows.hidden<bool>("useTexture")
        .editor<Texture::SurfaceStructure, zkComboBoxControl>("surfaceStructure",
                                                              [](zkComboBoxControlOptions &options) {
                                                                  options.label = tr("Surface Structure");
                                                                  options.mappings = {
                                                                      {tr("Smooth"), Texture::Smooth},
                                                                      {tr("Procedural"), Texture::Procedural},
                                                                      {tr("Texture"), Texture::Texture},
                                                                      {tr("Choose Surface Structure Mode"),
                                                                       Texture::ChooseSurfaceStructureMode},
                                                                  };
                                                              })
        .editor<float, zkDoubleSliderControl>("parallaxIntensity",
                                              [](zkDoubleSliderControlOptions &options) {
                                                  slider(tr("Parallax Intensity"), -10.0, 10.0)(options);
                                                  options.toolTip = tr("Sets the parallax shift interpretation of "
                                                                       "the bump image texture.");
                                              })
        .editor<float, zkDoubleSliderControl>("bumpIntensity",
                                              [](zkDoubleSliderControlOptions &options) {
                                                  slider(tr("Bump Intensity"), -10.0, 10.0)(options);
                                                  options.toolTip = tr("<span>Sets the prominence of the bumps of "
                                                                       "the substance. High intensity results in very "
                                                                       "prominent or high bumps.</span>");
                                              })
        .editor<float, zkDoubleSliderControl>("structureSize",
                                              [](zkDoubleSliderControlOptions &options) {
                                                  slider(tr("Structure Size"), 0.01, 2.0)(options);
                                                  options.toolTip = tr("Set Structure Size");
                                              })
        .editor<bool, zkCheckBoxControl>("bumpAffectsSpecular",
                                         checkBox(tr("Bump Affects Specular Reflections"),
                                                  tr("Enable Bump Affects Specular Reflections")))
        .editor<Texture::BumpType, zkComboBoxControl>("bumpType", [](zkComboBoxControlOptions &options) {
            options.label = tr("Bump Type");
            options.mappings = {
                {tr("Bump Mapping"), Texture::BumpMapping},
                {tr("Displacement Mapping"), Texture::DisplacementMapping},
            };
            options.toolTip = tr("<span>Applies the chosen mapping setting to the material, either bump or "
                                 "displacement mapping.</span>");
        });
    rows.after<float>("parallaxIntensity", "anisotropy")
        .after<float>("bumpIntensity", "anisotropy")
        .after<float>("structureSize", "anisotropy")
        .after<bool>("bumpAffectsSpecular", "anisotropy")
        .after<Texture::BumpType>("bumpType", "anisotropy");

    // A smooth surface has no relief to set; the structure size is the procedural's, the
    // parallax the image's.
    rows.onChanged<Texture::SurfaceStructure>(
        "surfaceStructure", [](zkPropertyEditorWidget *widget, Texture::SurfaceStructure structure) {
            if (!widget)
                return;
            const bool relief = structure == Texture::Procedural || structure == Texture::Texture;
            setControlsVisible(widget, {"bumpIntensity", "bumpAffectsSpecular", "bumpType"}, relief);
            setControlVisible(widget, "structureSize", structure == Texture::Procedural);
            setControlVisible(widget, "parallaxIntensity", structure == Texture::Texture);
            // The kernel uses the image exactly for a textured structure.
            showTextureRows(widget, structure == Texture::Texture);
        });
}
