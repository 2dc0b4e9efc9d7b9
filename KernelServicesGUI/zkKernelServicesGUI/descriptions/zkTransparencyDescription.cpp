#include "zkTransparencyDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkColorManipulatorControl.h>
#include <zkdTransparency.h>
#include <zkdTransparencyTexture.h>
#include <zkdUVTransparency.h>

#include <QVector3D>

namespace {

zkTransparencyDescription instance;

} // namespace

void zkTransparencyDescription::init()
{
    using TextureControl = zkZkdObjectControl<zkdTransparencyTexture>;

    zkDescriptionBuilder<zkdTransparency>(getFactory())
        .editor<QVector3D, zkColorManipulatorControl>("seeThrough",
                                                      [](zkColorManipulatorControlOptions &options) {
                                                          options.label = tr("See Through");
                                                          options.toolTip = tr("Renders the shader transparent.");
                                                      })
        .editor<zkdTransparencyTexture, TextureControl>("texture", [](zkZkdZkdObjectControlOptions &options) {
            options.label = tr("Transparency Texture");
            options.spanColumns = true;
            options.toolTip = tr("Sets the Transparency Texture");
            options.forceWritable();
        });

    zkDescriptionBuilder<zkdUVTransparency>(getFactory())
        .editor<QVector3D, zkColorManipulatorControl>("seeThrough",
                                                      [](zkColorManipulatorControlOptions &options) {
                                                          options.label = tr("See Through");
                                                          options.toolTip = tr("Renders the shader transparent.");
                                                      })
        .editor<zkdTransparencyTexture, TextureControl>("texture", [](zkZkdZkdObjectControlOptions &options) {
            options.label = tr("Transparency Texture");
            options.spanColumns = true;
            options.toolTip = tr("Sets the Transparency Texture");
            options.forceWritable();
        });
}
