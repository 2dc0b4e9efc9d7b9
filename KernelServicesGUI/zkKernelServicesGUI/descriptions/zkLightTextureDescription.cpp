#include "zkLightTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkCheckBoxControl.h>
#include <zkDoubleWheelControl.h>
#include <zkInlineImageSequenceControl.h>
#include <zkQVector2DControl.h>
#include <zkSpinerControl.h>
#include <zkTextureRepeatControl.h>
#include <zkTextureTypes.h>
#include <zkUseImageSequenceControl.h>
#include <zkZkdImageControl.h>
#include <zkdImage.h>
#include <zkdLightTexture.h>

#include <QVector2D>

namespace {

zkLightTextureDescription instance;

std::function<void(zkImageSequenceOptions &)> sequenceSwitch(const QString &label)
{
    return [label](zkImageSequenceOptions &options) {
        options.label = label;
        options.imageProperty = "image";
    };
}

} // namespace

void zkLightTextureDescription::init()
{
    using namespace zkRowModifiers;
    using zkTextureTypes::RepeatMode;
    zkDescriptionBuilder<zkdLightTexture> rows(getFactory());

    rows.hidden<float>("anisotropy")
        .editor<bool, zkCheckBoxControl>("useTexture")
        .editor<zkdImage, zkZkdImageControl>("image")
        .editor<bool, zkUseImageSequenceControl>("useImageSequence", sequenceSwitch(tr("Use Image Sequence")))
        .editor<int, zkSpinerControl>("frameOffset", labelled<zkSpinerControlOptions>(tr("Frame Offset")))
        .editor<bool, zkInlineImageSequenceControl>("inlineImageSequence", sequenceSwitch(tr("Inline Image Sequence")))
        // The repeat control edits both directions and their link in one row.
        .editor<RepeatMode, zkTextureRepeatControl>("repeatModeU",
                                                    [](zkTextureRepeatControlOptions &options) {
                                                        options.label = tr("Repeat Mode UV");
                                                        options.extraProperties = {"repeatModeV",
                                                                                   "connectRepeatModes"};
                                                    })
        .hidden<RepeatMode>("repeatModeV")
        .hidden<bool>("connectRepeatModes")
        .editor<QVector2D, zkQVector2DControl>("repeat", labelled<zkQVector2DControlOptions>(tr("Repeat UV")))
        .editor<QVector2D, zkQVector2DControl>("offset", labelled<zkQVector2DControlOptions>(tr("Offset UV")))
        .editor<float, zkDoubleWheelControl>("rotate", [](zkDoubleWheelControlOptions &options) {
            options.label = tr("Rotate");
            options.singleStep = 0.01;
        });

    rows.onChanged<bool>("useTexture", [](zkPropertyEditorWidget *widget, bool) { showTextureRows(widget); })
        .onChanged<bool>("useImageSequence", [](zkPropertyEditorWidget *widget, bool) { showTextureRows(widget); })
        // Setting or removing the image switches the texture.
        .onChanged<zkdImage>("image", [](zkPropertyEditorWidget *widget, const zkdImage &) {
            if (widget)
                widget->updateProperty("useTexture");
        });
}

void zkLightTextureDescription::showTextureRows(zkPropertyEditorWidget *widget)
{
    if (!widget)
        return;
    const bool used = widget->getProperty("useTexture").toBool();
    setControlsVisible(widget, {"repeatModeU", "connectRepeatModes", "repeat", "offset", "rotate", "useImageSequence"},
                       used);
    const bool sequence = used && widget->getProperty("useImageSequence").toBool();
    setControlsVisible(widget, {"frameOffset", "inlineImageSequence"}, sequence);
    widget->resize();
}
