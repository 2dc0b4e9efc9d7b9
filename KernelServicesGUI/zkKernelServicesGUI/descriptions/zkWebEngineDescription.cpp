#include "zkWebEngineDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkBoolControl.h>
#include <zkDoubleSliderControl.h>
#include <zkQStringControl.h>
#include <zkSpinerControl.h>
#include <zkTextureSlotControl.h>
#include <zkUInt64Control.h>
#include <zkUrlControl.h>
#include <zkZkdMaterialControl.h>
#include <zkdMaterial.h>
#include <zkdWebEngine.h>

#include <limits>

namespace {

zkWebEngineDescription instance;

template <typename Options>
void inGroup(Options &options)
{
    options.group = "WebEngine";
}

void pagePixels(zkSpinerControlOptions &options)
{
    options.group = "WebEngine";
    options.minimum = 1;
    options.maximum = std::numeric_limits<int>::max();
    options.singleStep = 1;
    options.suffix = QStringLiteral("px");
}

} // namespace

void zkWebEngineDescription::init()
{
    zkDescriptionBuilder<zkdWebEngine>(getFactory())
        .group("WebEngine", tr("WebEngine"), zkDescriptionBuilder<zkdWebEngine>::Expanded)
        .editor<bool, zkBoolControl>("enabled", inGroup<zkBaseControlOptions>)
        .editor<QString, zkQStringControl>("name", inGroup<zkBaseControlOptions>)
        .editor<int, zkSpinerControl>("width", pagePixels)
        .editor<int, zkSpinerControl>("height", pagePixels)
        .editor<QString, zkUrlControl>("url", inGroup<zkUrlControlOptions>)
        .editor<zkdMaterial, zkZkdMaterialControl>("material", inGroup<zkBaseControlOptions>)
        .editor<zkdWebEngine::TextureSlotType, zkTextureSlotControl>("texture", inGroup<zkBaseControlOptions>)
        .editor<float, zkDoubleSliderControl>("clickThrough",
                                              [](zkDoubleSliderControlOptions &options) {
                                                  options.group = "WebEngine";
                                                  options.singleStep = 0.01;
                                                  options.toolTip = tr("Sets the alpha click through threshold. If "
                                                                       "the alpha value under the mouse is smaller "
                                                                       "than this threshold it will click through and "
                                                                       "navigate the scene.");
                                              })
        .editor<quint64, zkUInt64Control>("reload", [](zkBaseControlOptions &options) { options.skip(); });
}
