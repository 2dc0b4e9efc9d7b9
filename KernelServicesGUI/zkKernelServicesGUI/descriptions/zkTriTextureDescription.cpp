#include "zkTriTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"
#include "zkTextureDescriptionRows.h"

#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkQVector2DControl.h>
#include <zkdTriTexture.h>

#include <QVector2D>

namespace {

zkTriTextureDescription instance;

} // namespace

void zkTriTextureDescription::init()
{
    using namespace zkRowModifiers;
    using Texture = zkdTriTexture;
    zkDescriptionBuilder<Texture> rows(getFactory());

    rows.editor<Texture::TextureMode, zkComboBoxControl>("textureMode",
                                                         [](zkComboBoxControlOptions &options) {
                                                             options.label = tr("Texture Mode");
                                                             options.mappings = {
                                                                 {tr("UV Coordinates"), Texture::UVCoordinates},
                                                                 {tr("Triplanar"), Texture::Triplanar},
                                                             };
                                                         })
        .editor<float, zkDoubleSliderControl>("triplanarBlend",
                                              [](zkDoubleSliderControlOptions &options) {
                                                  options.label = tr("Edge Blend");
                                                  options.singleStep = 0.01;
                                              })
        .editor<QVector2D, zkQVector2DControl>("textureSizeMM", labelled<zkQVector2DControlOptions>(tr("Texture Size")))
        .editor<bool, zkCheckBoxControl>("uniformRepeat", labelled<zkCheckBoxControlOptions>(tr("Uniform Repeat")));
    zkTextureDescriptionRows::triplanarRows(rows);

    rows.onChanged<Texture::TextureMode>("textureMode", [](zkPropertyEditorWidget *widget, Texture::TextureMode) {
        updateLinkedTextureSettings(widget, "textureMode");
    });
}
